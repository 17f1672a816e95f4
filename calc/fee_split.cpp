// SPDX-License-Identifier: MIT
#include "calc/fee_split.h"

#include <algorithm>
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

Burden BurdenOf(std::string_view typeText, const std::vector<HalvingReason>& outcome) {
    const auto ended = [&outcome](HalvingReason reason) {
        return std::find(outcome.begin(), outcome.end(), reason) != outcome.end();
    };
    const FeeRule rule = catalogue::RuleOfType(typeText).rule;
    if (!IsAcceptanceFee(typeText)) {
        if (rule == FeeRule::PaymentOrderThird) {
            return {BurdenRule::DebtorUnlessObjected, "第三十六条、第三十七条"};
        }
        if (rule == FeeRule::EnforcementScale) {
            return {BurdenRule::EnforcedPartyBears, "第三十八条"};
        }
        return {BurdenRule::ApplicantBears, "第三十八条、第三十九条"};
    }
    if (typeText == catalogue::kJurisdictionObjection) {
        return {BurdenRule::ObjectorBears, "第十三条第（六）项"};
    }
    if (ended(HalvingReason::Withdrawal)) {
        return {BurdenRule::PlaintiffBears, "第三十四条"};
    }
    if (ended(HalvingReason::Mediation)) {
        return {BurdenRule::Negotiated, "第三十一条"};
    }
    if (rule == FeeRule::DivorceScale) {
        return {BurdenRule::Negotiated, "第三十三条"};
    }
    return {BurdenRule::Proportional, "第二十九条"};
}

FeeSplit SplitFee(std::string_view awardedText, std::string_view typeText,
                  std::string_view amountText, const std::vector<HalvingReason>& halving,
                  const LocalFigures* figures) {
    return SplitFee(awardedText, typeText, ComputeFee(typeText, amountText, nullptr, figures),
                    halving);
}

FeeSplit SplitFee(std::string_view awardedText, std::string_view typeText, FeeOutcome outcome,
                  const std::vector<HalvingReason>& halving) {
    FeeSplit split{std::move(outcome),
                   BurdenOf(typeText, halving),
                   SplitRefusal::None,
                   std::nullopt,
                   {},
                   {},
                   {}};
    if (split.outcome.refusal) {
        split.refusal = SplitRefusal::Outcome;
        return split;
    }
    if (catalogue::FindType(typeText) == nullptr) {
        split.refusal = SplitRefusal::UnknownType;
        return split;
    }
    split.fee = FeeOf(split.outcome);
    if (!halving.empty() && CanBeHalved(typeText)) {
        split.halving = HalveFee(halving, typeText, split.outcome);
        split.fee = *split.halving->halved;
    }
    const BurdenRule rule = split.burden.rule;
    if (rule == BurdenRule::ObjectorBears || rule == BurdenRule::ApplicantBears) {
        split.refusal = SplitRefusal::NotSplit;
        return split;
    }
    if (rule != BurdenRule::Proportional) {
        return split;  // the article names who bears it
    }
    const NumberReading claimed = ReadNumber(split.outcome.amountText);
    const NumberReading awarded = ReadNumber(awardedText);
    if (!awarded.numeric) {
        split.refusal = SplitRefusal::AwardedNotNumeric;
    } else if (claimed.overflow || awarded.overflow) {
        split.refusal = SplitRefusal::Overflow;
    } else if (!(claimed.value > 0)) {
        split.refusal = SplitRefusal::ClaimNotPositive;
    } else if (awarded.value < 0 || awarded.value > claimed.value) {
        split.refusal = SplitRefusal::AwardedOutOfRange;
    }
    if (split.done()) {
        split.defendantShare = ProportionalShare(split.fee, awarded.value, claimed.value);
        split.plaintiffShare = split.fee - split.defendantShare;
    }
    return split;
}

}  // namespace zq
