// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "calc/price.h"
#include "runtime/fen.h"

namespace zq {

// The grounds on which the Measures halve an acceptance fee.
enum class HalvingReason {
    Mediation,     // 调解结案, Article 15
    Withdrawal,    // 撤诉, Article 15
    Summary,       // 简易程序, Article 16
    Counterclaim,  // 反诉, Article 18
    ThirdParty,    // an independent third party's claim tried with the case, Article 18
    SmallClaims,   // 小额诉讼: tried under the summary procedure, Article 16
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

// Reads "调解", "撤诉", "简易程序", "反诉" or their ASCII aliases, several joined by "," or, as a
// Chinese input method types them, "，" or "、"; an empty word between separators is skipped.
// Nothing for an unknown word or a list without a word.
std::optional<std::vector<HalvingReason>> ParseHalvingReasons(std::string_view text);

// Whether the halving articles reach the type's fee: only acceptance fees (Article 13 types).
bool CanBeHalved(std::string_view typeText);

// An acceptance fee halved under Articles 15, 16 and 18.
struct HalvedFee {
    FeeOutcome outcome;                      // the full fee, as the Calculate command gives it
    std::optional<Fen> halved;               // to the fen, an odd fen rounded up
    std::vector<std::string_view> articles;  // each article once, in the order given
    bool applicationFee = false;             // refused: the type's fee is an application fee

    bool done() const { return halved.has_value(); }
};

// Halves an acceptance fee once, however many reasons are combined; refuses an application fee,
// which the halving articles do not reach. A type that is not in the catalogue, or an amount that
// is refused or fails, leaves the outcome to say why.
HalvedFee HalveFee(const std::vector<HalvingReason>& reasons, std::string_view typeText,
                   std::string_view amountText, const LocalFigures* figures = nullptr);
// The same for a fee the Calculate command has already given.
HalvedFee HalveFee(const std::vector<HalvingReason>& reasons, std::string_view typeText,
                   FeeOutcome outcome);

}  // namespace zq
