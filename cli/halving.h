// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zq::cli {

// The grounds on which the Measures halve an acceptance fee.
enum class HalvingReason {
    Mediation,     // 调解结案, Article 15
    Withdrawal,    // 撤诉, Article 15
    Summary,       // 简易程序, Article 16
    Counterclaim,  // 反诉 or an independent third party's claim, Article 18
};

// Reads "调解", "撤诉", "简易程序", "反诉" or their ASCII aliases (mediation, withdrawal, summary,
// counterclaim), several joined by "," or "、". Nothing for an unknown word or an empty list.
std::optional<std::vector<HalvingReason>> ParseHalvingReasons(std::string_view text);

struct HalvingAnswer {
    std::string amountText;
    std::string fullFee;    // as the window shows it
    std::string halvedFee;  // to the fen, an odd fen rounded up; empty when refused
    std::string articles;   // "第十五条、第十六条"
    std::string note;       // why there is no halved fee; empty on success
    bool ok() const { return note.empty(); }
};

// Halves an acceptance fee (Article 13 types) once, whatever reasons are combined; refuses an
// application fee (Article 14 types), which the halving articles do not reach.
HalvingAnswer HalveFee(const std::vector<HalvingReason>& reasons, std::string_view typeText,
                       std::string_view amountText);

}  // namespace zq::cli
