// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zq {

// Round to 2 decimals, on the value's 15-significant-digit decimal, with exact decimal halves
// going to the even neighbour: 16.675 -> 16.68, 25.005 -> 25, 100.125 -> 100.12.
double RoundHalfEven2(double value);

// The "####.##" pattern: the value's 15-significant-digit decimal rounded to 2 places with halves
// away from zero, written as the integer digits (none when the integer part is 0, never an
// exponent), ".", and at most two fraction digits with trailing zeros dropped: 50 -> "50.",
// 30.5 -> "30.5", 50.025 -> "50.03", 0.5 -> ".5".
std::string FormatFeePattern(double value);

// The pattern completed as the window shows a fee: a bare trailing "." gains "00" (50 -> "50.00").
std::string ShownFee(double value);

}  // namespace zq
