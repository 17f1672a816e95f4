// SPDX-License-Identifier: MIT
#include "calc/fee_split.h"

#include <cstdint>

#include "calc/basis.h"
#include "calc/catalogue.h"
#include "calc/price.h"
#include "runtime/decimal15.h"
#include "runtime/fen.h"
#include "runtime/numeric_text.h"

namespace zq {
namespace {

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
Fen ProportionalShare(const Fen& fee, double awarded, double claimed) {
    const Scaled a = ScaledOf(awarded);
    const Scaled c = ScaledOf(claimed);
    return a.mantissa == 0 ? Fen()
                           : fee.ScaledHalfUp(a.mantissa, c.mantissa, a.exponent - c.exponent);
}

}  // namespace

bool CanBeSplit(std::string_view typeText) {
    const catalogue::CaseType* type = catalogue::FindType(typeText);
    return type != nullptr && type->basis.kind == FeeKind::AcceptanceFee;
}

FeeSplit SplitFee(std::string_view awardedText, std::string_view typeText,
                  std::string_view amountText) {
    return SplitFee(awardedText, typeText, ComputeFee(typeText, amountText));
}

FeeSplit SplitFee(std::string_view awardedText, std::string_view typeText, FeeOutcome outcome) {
    FeeSplit split{std::move(outcome), SplitRefusal::None, {}, {}, {}};
    if (split.outcome.refusal) {
        split.refusal = SplitRefusal::Outcome;
        return split;
    }
    if (catalogue::FindType(typeText) == nullptr) {
        split.refusal = SplitRefusal::UnknownType;
        return split;
    }
    const NumberReading claimed = ReadNumber(split.outcome.amountText);
    const NumberReading awarded = ReadNumber(awardedText);
    if (!CanBeSplit(typeText)) {
        split.refusal = SplitRefusal::ApplicationFee;
    } else if (!awarded.numeric) {
        split.refusal = SplitRefusal::AwardedNotNumeric;
    } else if (claimed.overflow || awarded.overflow) {
        split.refusal = SplitRefusal::Overflow;
    } else if (!(claimed.value > 0)) {
        split.refusal = SplitRefusal::ClaimNotPositive;
    } else if (awarded.value < 0 || awarded.value > claimed.value) {
        split.refusal = SplitRefusal::AwardedOutOfRange;
    }
    if (!split.done()) {
        return split;
    }
    split.fee = Fen::FromShownFee(split.outcome.feeText).value_or(Fen());
    split.defendantShare = ProportionalShare(split.fee, awarded.value, claimed.value);
    split.plaintiffShare = split.fee - split.defendantShare;
    return split;
}

}  // namespace zq
