// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zq {

// A double rounded to 15 significant decimal digits: the digits the number-to-text conversion
// writes, and the decimal both fee roundings work on.
struct Decimal15 {
    bool negative = false;
    std::string digits;  // no leading or trailing zeros; empty for zero
    int pointPos = 0;    // value = 0.<digits> x 10^pointPos

    static Decimal15 From(double value);
    bool isZero() const { return digits.empty(); }
};

enum class HalfRule {
    ToEven,        // exact decimal halves go to the even neighbour
    AwayFromZero,  // exact decimal halves go up in magnitude
};

// The decimal rounded to two fraction digits, as a count of hundredths written in decimal digits
// (no sign, at least one digit). "16.675" with ToEven gives "1668".
std::string RoundToHundredths(const Decimal15& decimal, HalfRule rule);

}  // namespace zq
