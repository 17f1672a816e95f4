// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "calc/price.h"
#include "runtime/fen.h"

namespace zq {

// The acceptance fee of a claim and its proportional split when the judgment supports part of
// it. Article 29 of the Measures leaves the split to the court; the proportion is the customary
// reference: the defendant bears fee x awarded / claimed, rounded to the fen with halves away
// from zero, and the plaintiff the rest, so the two shares always add up to the fee.

// Why there is no split.
enum class SplitRefusal {
    None,
    Outcome,            // the Calculate command refused the amount or failed: see the outcome
    UnknownType,        // the type is not in the catalogue
    ApplicationFee,     // an application fee (Article 14), not the acceptance fee split here
    AwardedNotNumeric,  // the awarded part is not a number
    Overflow,           // the claim or the awarded part is beyond the double range
    ClaimNotPositive,   // a claim of 0 or less has no proportion
    AwardedOutOfRange,  // the awarded part is below 0 or above the claim
};

struct FeeSplit {
    FeeOutcome outcome;  // the Calculate command's answer for the claim
    SplitRefusal refusal = SplitRefusal::None;
    Fen fee;
    Fen plaintiffShare;
    Fen defendantShare;
    bool done() const { return refusal == SplitRefusal::None; }
};

// Whether the proportional split applies to the type's fee: only acceptance fees.
bool CanBeSplit(std::string_view typeText);

FeeSplit SplitFee(std::string_view awardedText, std::string_view typeText,
                  std::string_view amountText);
// The same for a claim the Calculate command has already priced.
FeeSplit SplitFee(std::string_view awardedText, std::string_view typeText, FeeOutcome outcome);

}  // namespace zq
