// SPDX-License-Identifier: MIT
#include "runtime/fee_rounding.h"

#include <charconv>

#include "runtime/decimal15.h"

namespace zq {

double RoundHalfEven2(double value) {
    const Decimal15 d = Decimal15::From(value);
    std::string text = d.negative ? "-" : "";
    text += RoundToHundredths(d, HalfRule::ToEven);
    text += "e-2";
    double rounded = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), rounded);
    return rounded;
}

std::string FormatFeePattern(double value) {
    const Decimal15 d = Decimal15::From(value);
    const std::string hundredths = RoundToHundredths(d, HalfRule::AwayFromZero);
    std::string out;
    if (d.negative && hundredths != "0") {
        out.push_back('-');
    }
    if (hundredths.size() > 2) {
        out.append(hundredths, 0, hundredths.size() - 2);
    }
    out.push_back('.');
    std::string fraction =
        hundredths.size() >= 2 ? hundredths.substr(hundredths.size() - 2) : "0" + hundredths;
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    out.append(fraction);
    return out;
}

}  // namespace zq
