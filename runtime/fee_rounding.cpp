// SPDX-License-Identifier: MIT
#include "runtime/fee_rounding.h"

#include <fast_float/fast_float.h>

#include <charconv>
#include <cstdint>

#include "runtime/decimal15.h"

namespace zq {

double RoundHalfEven2(double value) {
    const Decimal15 d = Decimal15::From(value);
    const std::string hundredths = RoundToHundredths(d, HalfRule::ToEven);
    double rounded = 0.0;
    if (hundredths.size() <= 15) {
        // An exact integer over an exact 100: one correctly rounded division, the same value as
        // reading the decimal text.
        std::uint64_t count = 0;
        std::from_chars(hundredths.data(), hundredths.data() + hundredths.size(), count);
        rounded = static_cast<double>(count) / 100;
    } else {
        const std::string text = hundredths + "e-2";
        fast_float::from_chars(text.data(), text.data() + text.size(), rounded);
    }
    return d.negative ? -rounded : rounded;
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

std::string ShownFee(double value) {
    std::string text = FormatFeePattern(value);
    if (text.back() == '.') {
        text.append("00");
    }
    return text;
}

}  // namespace zq
