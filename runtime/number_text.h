// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zq {

// Number to text for a computed fee: the value rounded to 15 significant digits, trailing zeros
// dropped, "." as separator, no grouping; -0 writes "0". Magnitudes from 1E+15 up and below
// 1E-05 are written with an exponent ("5.00000000000042E+17"), which reads back as numeric.
std::string NumberToText(double value);

// A money figure as a person writes it: plain digits, never an exponent, and at least two
// decimals; a digit below the fen stays. The value is rounded to 15 significant digits first:
// -1 -> "-1.00", 1e20 -> "100000000000000000000.00", 51.005 -> "51.005".
std::string PlainMoneyText(double value);

// Whole number to text for a constant fee: plain decimal digits ("50").
std::string WholeToText(long long value);

}  // namespace zq
