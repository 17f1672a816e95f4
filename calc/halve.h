// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/price.h"

namespace zq {

// The grounds on which the Measures halve an acceptance fee.
enum class HalvingReason {
    Mediation,     // 调解结案, Article 15
    Withdrawal,    // 撤诉, Article 15
    Summary,       // 简易程序, Article 16
    Counterclaim,  // 反诉 or an independent third party's claim, Article 18
};

// A reason's names: the Chinese word a lawyer uses and an ASCII alias.
struct HalvingReasonName {
    std::string_view chinese;  // "调解"
    std::string_view ascii;    // "mediation"
    HalvingReason reason;
};
std::span<const HalvingReasonName> HalvingReasonNames();

// "第十五条", "第十六条" or "第十八条".
std::string_view ArticleOf(HalvingReason reason);

// An acceptance fee halved under Articles 15, 16 and 18.
struct HalvedFee {
    FeeOutcome outcome;     // the full fee, as the Calculate command gives it
    std::string halvedFee;  // to the fen, an odd fen rounded up; empty when there is none
    std::string articles;   // "第十五条、第十六条", each article once, in the order given
    std::string refusal;    // why an application fee is not halved; empty otherwise

    bool halved() const { return !halvedFee.empty(); }
};

// Halves an acceptance fee (Article 13 types) once, however many reasons are combined; refuses an
// application fee (Article 14 types), which the halving articles do not reach. A type that is
// not in the catalogue, or an amount that is refused or fails, leaves the outcome to say why.
HalvedFee HalveFee(const std::vector<HalvingReason>& reasons, std::string_view typeText,
                   std::string_view amountText);

}  // namespace zq
