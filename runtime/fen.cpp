// SPDX-License-Identifier: MIT
#include "runtime/fen.h"

#include <algorithm>
#include <limits>

#include "runtime/decimal15.h"
#include "runtime/numeric_text.h"

namespace zq {
namespace {

constexpr std::uint64_t kMaxCount = std::numeric_limits<std::uint64_t>::max();

// Long addition and subtraction of decimal digits, for amounts beyond 64 bits.
std::string AddDigits(const std::string& a, const std::string& b) {
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
    return sum;
}

// a - b for a >= b.
std::string SubtractDigits(const std::string& a, const std::string& b) {
    std::string difference;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int d =
            (a[a.size() - 1 - i] - '0') - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        borrow = d < 0 ? 1 : 0;
        difference.push_back(static_cast<char>('0' + d + borrow * 10));
    }
    std::reverse(difference.begin(), difference.end());
    return difference;
}

}  // namespace

Fen Fen::FromDigits(std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    digits = first == std::string_view::npos ? std::string_view() : digits.substr(first);
    Fen fen;
    for (const char c : digits) {
        const auto d = static_cast<std::uint64_t>(c - '0');
        if (fen.count_ > (kMaxCount - d) / 10) {
            fen.count_ = 0;
            fen.digits_ = std::string(digits);
            return fen;
        }
        fen.count_ = fen.count_ * 10 + d;
    }
    return fen;
}

std::string Fen::Digits() const { return digits_.empty() ? std::to_string(count_) : digits_; }

Fen Fen::FromCount(std::uint64_t fen) {
    Fen out;
    out.count_ = fen;
    return out;
}

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
    return FromDigits(digits);
}

Fen Fen::Rounded(double value) {
    return FromDigits(RoundToHundredths(Decimal15::From(value), HalfRule::AwayFromZero));
}

std::optional<std::uint64_t> Fen::Count() const {
    return digits_.empty() ? std::optional(count_) : std::nullopt;
}

bool operator<(const Fen& l, const Fen& r) {
    if (l.digits_.empty() || r.digits_.empty()) {
        // A count is below every amount that needs digits.
        return l.digits_.empty() && (!r.digits_.empty() || l.count_ < r.count_);
    }
    return l.digits_.size() != r.digits_.size() ? l.digits_.size() < r.digits_.size()
                                                : l.digits_ < r.digits_;
}

std::string Fen::Text() const {
    std::string padded = Digits();
    if (padded.size() < 3) {
        padded.insert(0, 3 - padded.size(), '0');
    }
    padded.insert(padded.size() - 2, ".");
    return padded;
}

Fen Fen::operator+(const Fen& other) const {
    if (digits_.empty() && other.digits_.empty() && count_ <= kMaxCount - other.count_) {
        return FromCount(count_ + other.count_);
    }
    return FromDigits(AddDigits(Digits(), other.Digits()));
}

Fen Fen::operator-(const Fen& other) const {
    if (*this < other) {
        return Fen();
    }
    if (digits_.empty()) {
        return FromCount(count_ - other.count_);  // other is a count too, and not larger
    }
    return FromDigits(SubtractDigits(digits_, other.Digits()));
}

Fen Fen::HalvedHalfUp() const {
    if (digits_.empty()) {
        return FromCount(count_ / 2 + count_ % 2);
    }
    std::string half;
    int remainder = 0;
    for (const char c : digits_) {
        const int d = remainder * 10 + (c - '0');
        half.push_back(static_cast<char>('0' + d / 2));
        remainder = d % 2;
    }
    const Fen result = FromDigits(half);
    return remainder != 0 ? result + FromCount(1) : result;
}

Fen Fen::ScaledHalfUp(std::uint64_t numerator, std::uint64_t denominator, int exponent) const {
    // The product, digit by digit: a digit times a factor below 10^15, plus the carry, stays far
    // inside 64 bits.
    const std::string digits = Digits();
    std::string product;
    std::uint64_t carry = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
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
        const Fen result = FromDigits(quotient);
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
    const Fen result = FromDigits(std::string_view(quotient).substr(0, quotient.size() - dropped));
    return up ? result + FromCount(1) : result;
}

std::string Fen::ShownText() const {
    const std::string text = Text();
    const std::size_t point = text.size() - 3;
    std::string fraction = text.substr(point + 1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    return text.substr(0, point) + "." + (fraction.empty() ? std::string("00") : fraction);
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
    out.fen = Fen::FromDigits(fen);
    return out;
}

}  // namespace zq
