// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

#include "calc/halve.h"
#include "calc/price.h"
#include "runtime/fen.h"

namespace zq {

// Who bears a fee once the case is over (Articles 29 to 38), by the type and how the case ended.
enum class BurdenRule {
    Proportional,          // Article 29: the loser bears; a partial win the court apportions
    Negotiated,            // Articles 31 and 33: the parties agree, else the court decides
    PlaintiffBears,        // Article 34: a civil suit withdrawn
    DebtorUnlessObjected,  // Articles 36 and 37: a payment order or a public summons
    EnforcedPartyBears,    // Article 38: enforcement
    ObjectorBears,   // a failed jurisdiction objection: the objecting party (Article 13 (六))
    ApplicantBears,  // the other application fees: the applicant (Articles 38, 39)
};
struct Burden {
    BurdenRule rule = BurdenRule::Proportional;
    std::string_view article;  // "第二十九条"
};

// The rule for the type's fee; `outcome` holds the grounds the case ended on (mediation,
// withdrawal), which decide over the type's own rule.
Burden BurdenOf(std::string_view typeText, const std::vector<HalvingReason>& outcome);

// The fee of a claim and its split between the parties. Article 29 leaves a partial win's split to
// the court; the proportion is the customary reference: the defendant bears fee x awarded /
// claimed, rounded to the fen with halves away from zero, and the plaintiff the rest, so the two
// shares always add up to the fee. Only that rule splits by proportion; the others name who
// bears the fee.
enum class SplitRefusal {
    None,
    Outcome,            // the Calculate command refused the amount or failed: see the outcome
    UnknownType,        // the type is not in the catalogue
    NotSplit,           // the fee is borne by one party outright (an objection, an application)
    AwardedNotNumeric,  // the awarded part is not a number
    Overflow,           // the claim or the awarded part is beyond the double range
    ClaimNotPositive,   // a claim of 0 or less has no proportion
    AwardedOutOfRange,  // the awarded part is below 0 or above the claim
};

struct FeeSplit {
    FeeOutcome outcome;  // the Calculate command's answer for the claim
    Burden burden;
    SplitRefusal refusal = SplitRefusal::None;
    std::optional<HalvedFee> halving;  // when the fee was halved before it was split
    Fen fee;                           // the fee split: the full fee, or the halved one
    Fen plaintiffShare;                // by proportion, under Article 29 only
    Fen defendantShare;
    bool done() const { return refusal == SplitRefusal::None; }
    bool proportional() const { return done() && burden.rule == BurdenRule::Proportional; }
};

// The split of a claim's fee; with grounds for halving, of the halved fee, and under the rule the
// grounds call for.
FeeSplit SplitFee(std::string_view awardedText, std::string_view typeText,
                  std::string_view amountText, const std::vector<HalvingReason>& halving = {},
                  const LocalFigures* figures = nullptr);
// The same for a claim the Calculate command has already priced.
FeeSplit SplitFee(std::string_view awardedText, std::string_view typeText, FeeOutcome outcome,
                  const std::vector<HalvingReason>& halving = {});

}  // namespace zq
