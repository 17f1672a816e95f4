// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace zq::catalogue {

// The catalogue types closest to a text, nearest first (edit distance over code points); equally
// close types keep catalogue order.
std::vector<std::string_view> ClosestTypes(std::string_view text, std::size_t count);

}  // namespace zq::catalogue
