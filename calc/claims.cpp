// SPDX-License-Identifier: MIT
#include "calc/claims.h"

#include <algorithm>

#include "runtime/decimal15.h"
#include "runtime/numeric_text.h"

namespace zq {
namespace {

// A decimal as integer digits and fraction digits.
struct Decimal {
    std::string whole;
    std::string fraction;
};

Decimal DecimalOf(const Decimal15& d) {
    const auto size = static_cast<int>(d.digits.size());
    Decimal out;
    if (d.pointPos > 0) {
        out.whole = d.digits.substr(0, static_cast<std::size_t>(std::min(d.pointPos, size)));
        out.whole.append(static_cast<std::size_t>(std::max(d.pointPos - size, 0)), '0');
    }
    if (d.pointPos < size) {
        out.fraction = std::string(static_cast<std::size_t>(std::max(-d.pointPos, 0)), '0') +
                       d.digits.substr(static_cast<std::size_t>(std::max(d.pointPos, 0)));
    }
    return out;
}

Decimal Add(Decimal a, Decimal b) {
    const std::size_t scale = std::max(a.fraction.size(), b.fraction.size());
    a.fraction.resize(scale, '0');
    b.fraction.resize(scale, '0');
    const std::string x = a.whole + a.fraction;
    const std::string y = b.whole + b.fraction;
    std::string sum;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(x.size(), y.size()) || carry != 0; ++i) {
        const int d = (i < x.size() ? x[x.size() - 1 - i] - '0' : 0) +
                      (i < y.size() ? y[y.size() - 1 - i] - '0' : 0) + carry;
        sum.push_back(static_cast<char>('0' + d % 10));
        carry = d / 10;
    }
    std::reverse(sum.begin(), sum.end());
    sum.insert(0, scale + 1 > sum.size() ? scale + 1 - sum.size() : 0, '0');
    return {sum.substr(0, sum.size() - scale), sum.substr(sum.size() - scale)};
}

std::string Text(Decimal d) {
    while (!d.fraction.empty() && d.fraction.back() == '0') {
        d.fraction.pop_back();
    }
    const std::size_t first = d.whole.find_first_not_of('0');
    d.whole = first == std::string::npos ? "0" : d.whole.substr(first);
    return d.fraction.empty() ? d.whole : d.whole + "." + d.fraction;
}

}  // namespace

std::string YuanOfWan(std::string_view wan) {
    const NumberReading reading = ReadNumber(wan);
    if (!reading.numeric || reading.overflow) {
        return std::string(wan);
    }
    Decimal15 d = Decimal15::From(reading.value);
    d.pointPos += 4;
    std::string text = Text(DecimalOf(d));
    return (reading.negative ? "-" : "") + text;
}

ClaimsSum SumOfClaims(const std::vector<std::string>& claims) {
    if (claims.size() == 1) {
        return {claims.front(), std::nullopt};
    }
    Decimal sum;
    for (const std::string& claim : claims) {
        // An empty claim is 0, as an empty amount is.
        const NumberReading reading = ReadNumber(claim.empty() ? std::string_view("0") : claim);
        if (!reading.numeric || reading.negative) {
            return {claim, Refusal{reading.numeric ? RefusalKind::AmountNegative
                                                   : RefusalKind::AmountNotNumeric}};
        }
        if (reading.overflow) {
            return {claim, Refusal{RefusalKind::CalculationFailed, FailureKind::Overflow}};
        }
        sum = Add(sum, DecimalOf(Decimal15::From(reading.value)));
    }
    return {Text(sum), std::nullopt};
}

}  // namespace zq
