// SPDX-License-Identifier: MIT
#include "runtime/decimal15.h"

#include <fmt/compile.h>
#include <fmt/format.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace zq {

namespace {

// Significant digits of a decimal being built, at most 17 (a double's shortest text) before
// rounding to 15; kept off the heap until the result is known.
struct Digits {
    std::array<char, 24> d{};
    int count = 0;
    int pointPos = 0;  // value = 0.<digits> x 10^pointPos

    void DropTrailingZeros() {
        while (count > 0 && d[static_cast<std::size_t>(count - 1)] == '0') {
            --count;
        }
    }
};

// Reads "d.dddddddddddddde+XX", the 15-digit scientific form {fmt} writes.
Digits TakeScientific(const char* begin, const char* end) {
    Digits out;
    const char* p = begin;
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.') {
            out.d[static_cast<std::size_t>(out.count++)] = *p;
        }
    }
    int exponent = 0;
    p += p != end && p[1] == '+' ? 2 : 1;
    std::from_chars(p, end, exponent);
    out.pointPos = exponent + 1;
    out.DropTrailingZeros();
    return out;
}

// The shortest decimal that reads back as the value: {fmt}'s Dragonbox, taken as significand and
// exponent rather than as text, which halves the time of writing a fee. It is {fmt}'s internal
// entry point (unchanged from {fmt} 7 to 11); the tests hold the result against the C library's
// own conversion.
Digits Shortest(double magnitude) {
    const auto decimal = fmt::detail::dragonbox::to_decimal(magnitude);
    Digits out;
    const char* end = std::to_chars(out.d.data(), out.d.data() + out.d.size(),
                                    static_cast<std::uint64_t>(decimal.significand))
                          .ptr;
    out.count = static_cast<int>(end - out.d.data());
    out.pointPos = out.count + decimal.exponent;
    out.DropTrailingZeros();
    return out;
}

// Rounds 16 or 17 digits to 15, halves up; the caller has ruled out exact halves.
void RoundDigitsTo15(Digits& digits) {
    const bool up = digits.d[15] >= '5';
    digits.count = 15;
    if (up) {
        while (digits.count > 0 && digits.d[static_cast<std::size_t>(digits.count - 1)] == '9') {
            --digits.count;
        }
        if (digits.count == 0) {
            digits.d[0] = '1';
            digits.count = 1;
            ++digits.pointPos;
            return;
        }
        ++digits.d[static_cast<std::size_t>(digits.count - 1)];
    }
    digits.DropTrailingZeros();
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
    // Start from the shortest decimal that reads back (fast). With at most 15 digits it is the
    // 15-digit rounding itself, since a double's half-ulp is below half the spacing of 15-digit
    // decimals. With more, rounding it to 15 digits gives the same result as rounding the exact
    // value, unless it ends on a 15-digit midpoint (16 digits ending in 5): no other midpoint can
    // lie between it and the exact value, or that shorter midpoint would have been chosen.
    Digits digits = Shortest(magnitude);
    if (digits.count == 16 && digits.d[15] == '5') {
        // A tie for the shortest text: the exact conversion to 15 digits decides (halves to
        // even, which only an exactly representable 16-digit decimal can reach).
        digits = TakeScientific(buf.data(),
                                fmt::format_to(buf.data(), FMT_COMPILE("{:.14e}"), magnitude));
    } else if (digits.count > 15) {
        RoundDigitsTo15(digits);
    }
    d.digits.assign(digits.d.data(), static_cast<std::size_t>(digits.count));
    d.pointPos = digits.pointPos;
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
