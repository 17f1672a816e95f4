// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace zq {

// The acceptance fee of a claim and its proportional split when the judgment supports part of
// it. Article 29 of the Measures leaves the split to the court ("人民法院根据案件的具体情况决定");
// the proportion is the customary reference: the defendant bears fee x awarded / claimed,
// rounded to the fen with halves away from zero, and the plaintiff the rest, so the two shares
// always add up to the fee.
// What every split says of itself: it is a reference, and the court decides (Article 29).
inline constexpr std::string_view kSplitIsAReference =
    "仅供参考；部分胜诉、部分败诉的，由人民法院根据案件的具体情况决定当事人各自负担的诉讼费用数额"
    "（《诉讼费用交纳办法》第二十九条）。";

struct FeeSplit {
    std::string amountText;      // the claim as the calculation read it
    std::string fee;             // as the window shows it
    std::string plaintiffShare;  // as the window writes a fee
    std::string defendantShare;
    std::string note;  // why there is no split; empty on success
    bool ok() const { return note.empty(); }
};

// Refuses, with a note: an amount or an awarded part that is not numeric, a claim of 0 or less,
// an awarded part below 0 or above the claim, a type not in the catalogue, a failed calculation,
// and an application fee (Article 14), which is not the acceptance fee the split is about.
FeeSplit SplitFee(std::string_view awardedText, std::string_view typeText,
                  std::string_view amountText);

}  // namespace zq
