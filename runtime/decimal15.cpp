// SPDX-License-Identifier: MIT
#include "runtime/decimal15.h"

#include <fmt/format.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace zq {

namespace {

// Reads a number as {fmt} writes it, "1234.5", "0.00012", "1e+16" or "1.25e-05", into the
// decimal. Integer parsing only: the digits are already the decimal's.
void TakeText(std::string_view text, Decimal15& d) {
    const std::size_t ePos = text.find('e');
    const std::string_view mantissa = text.substr(0, ePos);
    int exponent = 0;
    if (ePos != std::string_view::npos) {
        const std::string_view expText = text.substr(ePos + 1);
        const char* expBegin = expText.data() + (expText.front() == '+' ? 1 : 0);
        std::from_chars(expBegin, expText.data() + expText.size(), exponent);
    }
    // value = 0.<mantissa digits> x 10^(digits before the point + exponent)
    const std::size_t point = mantissa.find('.');
    int pointPos = static_cast<int>(point == std::string_view::npos ? mantissa.size() : point);
    d.digits.clear();
    for (const char c : mantissa) {
        if (c == '.') {
            continue;
        }
        if (d.digits.empty() && c == '0') {
            --pointPos;  // a leading zero moves the point, it is no digit of the decimal
            continue;
        }
        d.digits.push_back(c);
    }
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    d.pointPos = pointPos + exponent;
}

// Rounds 16 or 17 digits to 15, halves up; the caller has ruled out exact halves.
void RoundDigitsTo15(Decimal15& d) {
    const bool up = d.digits[15] >= '5';
    d.digits.resize(15);
    if (up) {
        std::size_t i = d.digits.size();
        while (i > 0 && d.digits[i - 1] == '9') {
            --i;
        }
        if (i == 0) {
            d.digits = "1";
            ++d.pointPos;
            return;
        }
        ++d.digits[i - 1];
        d.digits.resize(i);
    }
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
}

}  // namespace

Decimal15 Decimal15::From(double value) {
    Decimal15 d;
    if (value == 0.0 || !std::isfinite(value)) {
        return d;
    }
    d.negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    std::array<char, 32> buf{};
    if (magnitude < 1e15 && magnitude == std::floor(magnitude)) {
        // A whole number of at most 15 digits is its own 15-digit decimal.
        const auto whole = static_cast<std::uint64_t>(magnitude);
        const auto end = std::to_chars(buf.data(), buf.data() + buf.size(), whole).ptr;
        d.digits.assign(buf.data(), end);
        d.pointPos = static_cast<int>(d.digits.size());
        while (d.digits.back() == '0') {
            d.digits.pop_back();
        }
        return d;
    }
    // Start from the shortest text that reads back (fast). With at most 15 digits it is the
    // 15-digit rounding itself, since a double's half-ulp is below half the spacing of 15-digit
    // decimals. With more, rounding it to 15 digits gives the same result as rounding the exact
    // value, unless it ends on a 15-digit midpoint (16 digits ending in 5): no other midpoint can
    // lie between it and the exact value, or that shorter midpoint would have been chosen.
    char* end = fmt::format_to(buf.data(), FMT_STRING("{}"), magnitude);
    TakeText(std::string_view(buf.data(), static_cast<std::size_t>(end - buf.data())), d);
    if (d.digits.size() == 16 && d.digits.back() == '5') {
        // A tie for the shortest text: the exact conversion to 15 digits decides (halves to
        // even, which only an exactly representable 16-digit decimal can reach).
        end = fmt::format_to(buf.data(), FMT_STRING("{:.14e}"), magnitude);
        TakeText(std::string_view(buf.data(), static_cast<std::size_t>(end - buf.data())), d);
    } else if (d.digits.size() > 15) {
        RoundDigitsTo15(d);
    }
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
