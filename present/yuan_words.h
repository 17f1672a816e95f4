// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace zq::present {

// A scale's edge in yuan as the Measures write it, in 万元 from 10000 up: 200000 -> "20万元",
// 1000 -> "1000元"; with a gap, "20 万元", as the rules in words have it.
std::string YuanWords(double yuan, std::string_view gap = "");

}  // namespace zq::present
