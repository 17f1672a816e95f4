// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/amounts_for_fee.h"
#include "calc/fee_split.h"
#include "calc/halve.h"

// The words of what the core adds to a fee: halving (Articles 15, 16, 18), the proportional split
// (Article 29) and the amounts behind a fee.
namespace zq::present {

// "第十五条、第十六条": each article once, in the order given.
std::string ArticlesText(const std::vector<std::string_view>& articles);

// "25.02（全额 50.03，依第十五条减半交纳）", the halved fee with its capitals when asked.
std::string HalvedLine(const HalvedFee& halving, bool capitals = false);

// Where grounds of more than one article are combined: that the Measures do not say whether they
// compound, and that the fee is halved once. Empty otherwise.
std::string CompoundingNote(const HalvedFee& halving);

// Why there is no halved fee, in one line; empty when there is one.
std::string HalvingNote(std::string_view typeText, const HalvedFee& halving);

// What every split says of itself: it is a reference, and the court decides (Article 29).
inline constexpr std::string_view kSplitIsAReference =
    "仅供参考；部分胜诉、部分败诉的，由人民法院根据案件的具体情况决定当事人各自负担的诉讼费用数额"
    "（《诉讼费用交纳办法》第二十九条）。";

// Why there is no split, in one line; empty when there is one.
std::string SplitNote(std::string_view typeText, const FeeSplit& split);

// Who bears the fee under the article that governs the type and how the case ended.
std::string BurdenText(std::string_view typeText, const FeeSplit& split);

// The fee split (halved when it was), then under Article 29 the two shares, each with its
// capitals, and the reminder that the court decides; under another article, who bears it.
std::vector<std::string> SplitLines(std::string_view typeText, const FeeSplit& split,
                                    std::string_view awarded);

// The basis of a split in one sentence.
std::string SplitBasis(std::string_view typeText, const FeeSplit& split);

// Why a fee could not be searched for, in one line; empty when it was.
std::string AmountsNote(std::string_view typeText, const AmountsForFee& answer);

// The heading and one range a line ("  999999.50 至 1000000.55 元"), each line ended by a line
// feed.
std::string AmountsText(std::string_view typeText, const AmountsForFee& answer);

// Without a range: the sentence naming the nearest fees that some amount gives.
std::string NoAmountSentence(std::string_view typeText, const AmountsForFee& answer);

}  // namespace zq::present
