// SPDX-License-Identifier: MIT
#include "runtime/fen.h"

#include <algorithm>
#include <limits>

#include "runtime/decimal15.h"
#include "runtime/numeric_text.h"

namespace zq {

Fen::Fen(std::string digits) : digits_(std::move(digits)) {
    const std::size_t first = digits_.find_first_not_of('0');
    digits_ = first == std::string::npos ? "0" : digits_.substr(first);
}

Fen Fen::FromCount(std::uint64_t fen) { return Fen(std::to_string(fen)); }

std::optional<Fen> Fen::FromShownFee(std::string_view fee) {
    const std::size_t point = fee.find('.');
    const std::size_t decimals = point == std::string_view::npos ? 0 : fee.size() - point - 1;
    if (decimals < 1 || decimals > 2) {
        return std::nullopt;
    }
    std::string digits(fee.substr(0, point));
    digits += fee.substr(point + 1);
    if (digits.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    if (decimals == 1) {
        digits.push_back('0');  // "30.5" is 30 yuan 5 jiao
    }
    return Fen(digits);
}

std::optional<std::uint64_t> Fen::Count() const {
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t count = 0;
    for (const char c : digits_) {
        const auto d = static_cast<std::uint64_t>(c - '0');
        if (count > (kMax - d) / 10) {
            return std::nullopt;
        }
        count = count * 10 + d;
    }
    return count;
}

std::string Fen::Text() const {
    std::string padded =
        digits_.size() < 3 ? std::string(3 - digits_.size(), '0') + digits_ : digits_;
    padded.insert(padded.size() - 2, ".");
    return padded;
}

Fen Fen::operator+(const Fen& other) const {
    const std::string& a = digits_;
    const std::string& b = other.digits_;
    std::string sum;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry != 0; ++i) {
        const int da = i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
        const int db = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        const int d = da + db + carry;
        sum.push_back(static_cast<char>('0' + d % 10));
        carry = d / 10;
    }
    std::reverse(sum.begin(), sum.end());
    return Fen(sum);
}

Fen Fen::operator-(const Fen& other) const {
    if (*this < other) {
        return Fen();
    }
    const std::string& a = digits_;
    const std::string& b = other.digits_;
    std::string difference;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int d =
            (a[a.size() - 1 - i] - '0') - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        borrow = d < 0 ? 1 : 0;
        difference.push_back(static_cast<char>('0' + d + borrow * 10));
    }
    std::reverse(difference.begin(), difference.end());
    return Fen(difference);
}

Fen Fen::HalvedHalfUp() const {
    std::string half;
    int remainder = 0;
    for (const char c : digits_) {
        const int d = remainder * 10 + (c - '0');
        half.push_back(static_cast<char>('0' + d / 2));
        remainder = d % 2;
    }
    Fen result(half);
    return remainder != 0 ? result + FromCount(1) : result;
}

Fen Fen::ScaledHalfUp(std::uint64_t numerator, std::uint64_t denominator, int exponent) const {
    // The product, digit by digit: a digit times a factor below 10^15, plus the carry, stays far
    // inside 64 bits.
    std::string product;
    std::uint64_t carry = 0;
    for (auto it = digits_.rbegin(); it != digits_.rend(); ++it) {
        const std::uint64_t v = static_cast<std::uint64_t>(*it - '0') * numerator + carry;
        product.push_back(static_cast<char>('0' + v % 10));
        carry = v / 10;
    }
    for (; carry != 0; carry /= 10) {
        product.push_back(static_cast<char>('0' + carry % 10));
    }
    std::reverse(product.begin(), product.end());
    if (exponent > 0) {
        product.append(static_cast<std::size_t>(exponent), '0');
    }
    // Long division; the remainder stays below the divisor.
    std::string quotient;
    std::uint64_t remainder = 0;
    for (const char c : product) {
        remainder = remainder * 10 + static_cast<std::uint64_t>(c - '0');
        quotient.push_back(static_cast<char>('0' + remainder / denominator));
        remainder %= denominator;
    }
    if (exponent >= 0) {
        const Fen result(quotient);
        return remainder >= denominator - remainder ? result + FromCount(1) : result;
    }
    // Dividing by 10^-exponent drops that many digits. What the division left over is below one
    // unit of the last kept-or-dropped digit, so it never tips a half: the first dropped digit
    // alone decides.
    const auto dropped = static_cast<std::size_t>(-exponent);
    if (quotient.size() <= dropped) {
        quotient.insert(0, dropped + 1 - quotient.size(), '0');
    }
    const bool up = quotient[quotient.size() - dropped] >= '5';
    const Fen result(quotient.substr(0, quotient.size() - dropped));
    return up ? result + FromCount(1) : result;
}

std::string Fen::ShownText() const {
    const std::string text = Text();
    const std::size_t point = text.size() - 3;
    const std::string shown = text.substr(0, point);
    std::string fraction = text.substr(point + 1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    return shown + "." + (fraction.empty() ? std::string("00") : fraction);
}

MoneyReading ReadMoney(std::string_view text) {
    MoneyReading out;
    const NumberReading number = ReadNumber(text);
    out.numeric = number.numeric;
    out.overflow = number.overflow;
    if (!number.numeric || number.overflow) {
        return out;
    }
    out.value = number.value;
    const Decimal15 d = Decimal15::From(number.value);
    out.negative = d.negative;
    // value = 0.<digits> x 10^pointPos, so the fen are the digits shifted by pointPos + 2.
    const int shift = d.pointPos + 2;
    const auto size = static_cast<int>(d.digits.size());
    if (shift <= 0) {
        out.wholeFen = d.isZero();
        return out;
    }
    std::string fen = d.digits.substr(0, static_cast<std::size_t>(std::min(shift, size)));
    fen.append(static_cast<std::size_t>(std::max(shift - size, 0)), '0');
    out.wholeFen = shift >= size;
    out.fen = Fen(fen);
    return out;
}

}  // namespace zq
