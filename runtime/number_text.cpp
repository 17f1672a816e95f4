// SPDX-License-Identifier: MIT
#include "runtime/number_text.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "runtime/decimal15.h"

namespace zq {

std::string NumberToText(double value) {
    const Decimal15 d = Decimal15::From(value);
    if (d.isZero()) {
        return "0";
    }
    std::string out;
    if (d.negative) {
        out.push_back('-');
    }
    const int size = static_cast<int>(d.digits.size());
    const int exponent = d.pointPos - 1;
    if (exponent >= 15 || exponent < -5) {
        out.push_back(d.digits[0]);
        if (size > 1) {
            out.push_back('.');
            out.append(d.digits, 1);
        }
        out.push_back('E');
        out.push_back(exponent < 0 ? '-' : '+');
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) {
            out.push_back('0');
        }
        out.append(std::to_string(magnitude));
        return out;
    }
    if (d.pointPos <= 0) {
        out.append("0.");
        out.append(static_cast<std::size_t>(-d.pointPos), '0');
        out.append(d.digits);
    } else if (d.pointPos >= size) {
        out.append(d.digits);
        out.append(static_cast<std::size_t>(d.pointPos - size), '0');
    } else {
        out.append(d.digits, 0, static_cast<std::size_t>(d.pointPos));
        out.push_back('.');
        out.append(d.digits, static_cast<std::size_t>(d.pointPos));
    }
    return out;
}

std::string WholeToText(long long value) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

std::string PlainMoneyText(double value) {
    const Decimal15 d = Decimal15::From(value);
    std::string whole =
        d.pointPos > 0 ? d.digits.substr(0, static_cast<std::size_t>(d.pointPos)) : std::string();
    if (d.pointPos > static_cast<int>(d.digits.size())) {
        whole.append(static_cast<std::size_t>(d.pointPos) - d.digits.size(), '0');
    }
    std::string fraction =
        d.pointPos < 0 ? std::string(static_cast<std::size_t>(-d.pointPos), '0') : std::string();
    if (d.pointPos < static_cast<int>(d.digits.size())) {
        fraction += d.digits.substr(static_cast<std::size_t>(std::max(d.pointPos, 0)));
    }
    if (fraction.size() < 2) {
        fraction.append(2 - fraction.size(), '0');
    }
    return (d.negative ? "-" : "") + (whole.empty() ? std::string("0") : whole) + "." + fraction;
}

}  // namespace zq
