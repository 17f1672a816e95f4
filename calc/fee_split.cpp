// SPDX-License-Identifier: MIT
#include "calc/fee_split.h"

#include <algorithm>
#include <cstdint>

#include "calc/catalogue.h"
#include "calc/price.h"
#include "runtime/calc_failure.h"
#include "runtime/decimal15.h"
#include "runtime/numeric_text.h"

namespace zq {
namespace {

// Money in fen as decimal digits, most significant first: a fee has no upper bound, so the
// split is worked out on digits rather than on a fixed-width integer.
using Digits = std::string;

Digits Trimmed(const Digits& d) {
    const std::size_t first = d.find_first_not_of('0');
    return first == Digits::npos ? Digits("0") : d.substr(first);
}

// A shown fee ("13800.00", "30.5", ".5") as fen.
Digits FenDigitsOfShownFee(std::string_view shown) {
    const std::size_t point = shown.find('.');
    std::string fraction(shown.substr(point + 1));
    fraction.resize(2, '0');
    return Trimmed(std::string(shown.substr(0, point)) + fraction);
}

// The window's way of writing a fee ("####.##", then "00" after a bare "."), on exact fen.
std::string ShownFeeOfDigits(const Digits& fen) {
    Digits padded = fen.size() < 3 ? Digits(3 - fen.size(), '0') + fen : fen;
    std::string whole = padded.substr(0, padded.size() - 2);
    std::string text = whole.find_first_not_of('0') == std::string::npos ? "" : Trimmed(whole);
    std::string fraction = padded.substr(padded.size() - 2);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    text += "." + (fraction.empty() ? std::string("00") : fraction);
    return text;
}

// The factor is below 10^15, so digit x factor + carry stays far inside 64 bits.
Digits Times(const Digits& d, std::uint64_t factor) {
    Digits out;
    std::uint64_t carry = 0;
    for (auto it = d.rbegin(); it != d.rend(); ++it) {
        const std::uint64_t v = static_cast<std::uint64_t>(*it - '0') * factor + carry;
        out.push_back(static_cast<char>('0' + v % 10));
        carry = v / 10;
    }
    for (; carry != 0; carry /= 10) {
        out.push_back(static_cast<char>('0' + carry % 10));
    }
    std::reverse(out.begin(), out.end());
    return Trimmed(out);
}

// Long division by a divisor below 10^15; the remainder comes back in `remainder`.
Digits DividedBy(const Digits& d, std::uint64_t divisor, std::uint64_t& remainder) {
    Digits out;
    remainder = 0;
    for (const char c : d) {
        remainder = remainder * 10 + static_cast<std::uint64_t>(c - '0');
        out.push_back(static_cast<char>('0' + remainder / divisor));
        remainder %= divisor;
    }
    return Trimmed(out);
}

Digits PlusOne(Digits d) {
    std::size_t i = d.size();
    while (i > 0 && d[i - 1] == '9') {
        d[--i] = '0';
    }
    if (i == 0) {
        return "1" + d;
    }
    ++d[i - 1];
    return d;
}

// a - b for a >= b.
Digits Minus(const Digits& a, const Digits& b) {
    Digits out;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int d =
            (a[a.size() - 1 - i] - '0') - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
        borrow = d < 0 ? 1 : 0;
        out.push_back(static_cast<char>('0' + d + borrow * 10));
    }
    std::reverse(out.begin(), out.end());
    return Trimmed(out);
}

// A 15-digit decimal as an integer of at most 15 digits times a power of ten.
struct Scaled {
    std::uint64_t mantissa = 0;
    int exponent = 0;
};

Scaled ScaledOf(double value) {
    const Decimal15 d = Decimal15::From(value);
    Scaled s;
    for (const char c : d.digits) {
        s.mantissa = s.mantissa * 10 + static_cast<std::uint64_t>(c - '0');
    }
    s.exponent = d.pointPos - static_cast<int>(d.digits.size());
    return s;
}

// fee x awarded / claimed, to the fen, halves away from zero; awarded <= claimed, claimed > 0.
Digits ProportionalShare(const Digits& fee, double awarded, double claimed) {
    const Scaled a = ScaledOf(awarded);
    const Scaled c = ScaledOf(claimed);
    if (a.mantissa == 0) {
        return "0";
    }
    const int shift = a.exponent - c.exponent;  // the share is fee x a / c x 10^shift
    Digits numerator = Times(fee, a.mantissa);
    if (shift >= 0) {
        numerator.append(static_cast<std::size_t>(shift), '0');
    }
    std::uint64_t remainder = 0;
    Digits quotient = DividedBy(numerator, c.mantissa, remainder);
    if (shift >= 0) {
        return remainder >= c.mantissa - remainder ? PlusOne(quotient) : quotient;
    }
    // Dividing by 10^-shift drops that many digits; the remainder below a unit of the dropped
    // digits cannot carry a half over, so the first dropped digit decides.
    const auto dropped = static_cast<std::size_t>(-shift);
    if (quotient.size() < dropped) {
        quotient.insert(0, dropped - quotient.size(), '0');
    }
    const bool up = quotient[quotient.size() - dropped] >= '5';
    Digits kept = Trimmed(
        quotient.size() == dropped ? Digits("0") : quotient.substr(0, quotient.size() - dropped));
    return up ? PlusOne(kept) : kept;
}

}  // namespace

FeeSplit SplitFee(std::string_view awardedText, std::string_view typeText,
                  std::string_view amountText) {
    FeeOutcome outcome = ComputeFee(typeText, amountText);
    FeeSplit split{std::move(outcome.amountText), std::move(outcome.feeText), {}, {}, {}};
    if (outcome.message) {
        split.note = outcome.message->title == kCalcErrorTitle
                         ? std::string(kCalcErrorTitle) + "：" + outcome.message->prompt
                         : outcome.message->prompt;
        return split;
    }
    if (catalogue::RuleOfType(typeText).rule == FeeRule::NoRule) {
        split.note = "“" + std::string(typeText) + "”不是收费目录中的案件类型";
        return split;
    }
    const NumberReading claimed = ReadNumber(split.amountText);
    const NumberReading awarded = ReadNumber(awardedText);
    if (!awarded.numeric) {
        split.note = "判决支持的金额中请输入数字！";
    } else if (claimed.overflow || awarded.overflow) {
        split.note = std::string(kCalcErrorTitle) + "：" +
                     std::string(CalcFailure(FailureKind::Overflow).description());
    } else if (!(claimed.value > 0)) {
        split.note = "按比例分担需要大于0的标的金额";
    } else if (awarded.value < 0 || awarded.value > claimed.value) {
        split.note = "判决支持的金额应在0至标的金额（" + split.amountText + "）之间";
    }
    if (!split.ok()) {
        split.fee.clear();
        return split;
    }
    const Digits fee = FenDigitsOfShownFee(split.fee);
    const Digits defendant = ProportionalShare(fee, awarded.value, claimed.value);
    split.defendantShare = ShownFeeOfDigits(defendant);
    split.plaintiffShare = ShownFeeOfDigits(Minus(fee, defendant));
    return split;
}

}  // namespace zq
