// SPDX-License-Identifier: MIT
#include "runtime/decimal15.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zq {

Decimal15 Decimal15::From(double value) {
    Decimal15 d;
    if (value == 0.0 || !std::isfinite(value)) {
        return d;
    }
    d.negative = std::signbit(value);
    // Scientific with 14 digits after the point: exactly 15 significant digits, correctly
    // rounded, independent of the locale. Shape: "-d.dddddddddddddde+XXX".
    std::array<char, 32> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                   std::chars_format::scientific, 14);
    const std::string_view text(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    const std::size_t ePos = text.find('e');
    d.digits.reserve(15);
    d.digits.push_back(text[0]);
    d.digits.append(text.substr(2, ePos - 2));
    int exponent = 0;
    const std::string_view expText = text.substr(ePos + 1);
    const char* expBegin = expText.data() + (expText.front() == '+' ? 1 : 0);
    std::from_chars(expBegin, expText.data() + expText.size(), exponent);
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    d.pointPos = exponent + 1;
    return d;
}

std::string RoundToHundredths(const Decimal15& decimal, HalfRule rule) {
    if (decimal.isZero()) {
        return "0";
    }
    const long long keep = static_cast<long long>(decimal.pointPos) + 2;
    const auto size = static_cast<long long>(decimal.digits.size());
    if (keep >= size) {
        // Already at most two fraction digits: pad with zeros to a count of hundredths.
        return decimal.digits + std::string(static_cast<std::size_t>(keep - size), '0');
    }
    if (keep < 0) {
        return "0";  // below a thousandth: the dropped part is less than half a hundredth
    }
    std::string kept = decimal.digits.substr(0, static_cast<std::size_t>(keep));
    const std::string_view dropped = std::string_view(decimal.digits).substr(kept.size());
    bool up = false;
    if (dropped.front() > '5') {
        up = true;
    } else if (dropped.front() == '5') {
        const bool exactHalf = dropped.size() == 1;  // digits carry no trailing zeros
        if (!exactHalf || rule == HalfRule::AwayFromZero) {
            up = true;
        } else {
            const char last = kept.empty() ? '0' : kept.back();
            up = ((last - '0') % 2) == 1;
        }
    }
    if (kept.empty()) {
        kept = "0";
    }
    if (up) {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9') {
            kept[--i] = '0';
        }
        if (i == 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[i - 1];
        }
    }
    const std::size_t nonZero = kept.find_first_not_of('0');
    return nonZero == std::string::npos ? "0" : kept.substr(nonZero);
}

}  // namespace zq
