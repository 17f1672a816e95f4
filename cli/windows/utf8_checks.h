// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>

namespace zq::cli {

// The length of the longest prefix of bytes that does not end inside a UTF-8 sequence: what a
// converter may take now, the rest waiting for the next read. Bytes that cannot begin or end a
// sequence are left to the converter, which shows them as replacement characters.
std::size_t CompleteUtf8Prefix(std::string_view bytes);

// Whether bytes are well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

}  // namespace zq::cli
