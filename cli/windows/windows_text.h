// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace zq::cli {

// UTF-16, as Windows hands text over, to UTF-8, as courtfee works in.
std::string ToUtf8(std::wstring_view text);
// Bytes in a Windows code page (CP_UTF8, or CP_ACP: 936 on a Chinese Windows) to UTF-16.
std::wstring Widen(unsigned codePage, std::string_view text);

}  // namespace zq::cli
