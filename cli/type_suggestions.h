// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zq::cli {

// The catalogue types closest to a text, nearest first (edit distance over code points).
std::vector<std::string_view> ClosestTypes(std::string_view text, std::size_t count);

// The message for a type that is not in the catalogue, naming the closest types. One line.
std::string UnknownTypeMessage(std::string_view text);

}  // namespace zq::cli
