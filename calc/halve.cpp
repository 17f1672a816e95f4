// SPDX-License-Identifier: MIT
#include "calc/halve.h"

#include <algorithm>
#include <array>

#include "calc/basis.h"
#include "calc/catalogue.h"
#include "calc/named.h"

namespace zq {
namespace {

constexpr std::array kReasonNames{
    HalvingReasonName{"调解", "mediation", HalvingReason::Mediation},
    HalvingReasonName{"撤诉", "withdrawal", HalvingReason::Withdrawal},
    HalvingReasonName{"简易程序", "summary", HalvingReason::Summary},
    HalvingReasonName{"反诉", "counterclaim", HalvingReason::Counterclaim},
    HalvingReasonName{"第三人", "third-party", HalvingReason::ThirdParty},
    HalvingReasonName{"小额诉讼", "small-claims", HalvingReason::SmallClaims},
};

}  // namespace

std::span<const HalvingReasonName> HalvingReasonNames() { return kReasonNames; }

std::string_view ArticleOf(HalvingReason reason) {
    switch (reason) {
        case HalvingReason::Mediation:
        case HalvingReason::Withdrawal:
            return "第十五条";
        case HalvingReason::Summary:
        case HalvingReason::SmallClaims:
            return "第十六条";
        case HalvingReason::Counterclaim:
        case HalvingReason::ThirdParty:
            return "第十八条";
    }
    return {};
}

std::optional<std::vector<HalvingReason>> ParseHalvingReasons(std::string_view text) {
    std::vector<HalvingReason> reasons;
    bool more = !text.empty();
    while (more) {
        std::size_t cut = std::string_view::npos;
        std::size_t skip = 0;
        for (const std::string_view separator : {",", "，", "、"}) {
            const std::size_t at = text.find(separator);
            if (at < cut) {
                cut = at;
                skip = separator.size();
            }
        }
        const std::string_view word = text.substr(0, cut);
        more = cut != std::string_view::npos;
        text = more ? text.substr(cut + skip) : std::string_view();
        if (word.empty()) {
            continue;  // a doubled or trailing separator, as typed in a hurry
        }
        const HalvingReasonName* named = FindNamed(HalvingReasonNames(), word);
        if (named == nullptr) {
            return std::nullopt;
        }
        reasons.push_back(named->reason);
    }
    return reasons.empty() ? std::nullopt : std::optional(reasons);
}

bool CanBeHalved(std::string_view typeText) { return IsAcceptanceFee(typeText); }

HalvedFee HalveFee(const std::vector<HalvingReason>& reasons, std::string_view typeText,
                   std::string_view amountText, const LocalFigures* figures) {
    return HalveFee(reasons, typeText, ComputeFee(typeText, amountText, nullptr, figures));
}

HalvedFee HalveFee(const std::vector<HalvingReason>& reasons, std::string_view typeText,
                   FeeOutcome outcome) {
    HalvedFee halving{std::move(outcome), std::nullopt, {}, false};
    if (halving.outcome.refusal || catalogue::FindType(typeText) == nullptr) {
        return halving;
    }
    if (!CanBeHalved(typeText)) {
        halving.applicationFee = true;
        return halving;
    }
    for (const HalvingReason reason : reasons) {
        if (std::find(halving.articles.begin(), halving.articles.end(), ArticleOf(reason)) ==
            halving.articles.end()) {
            halving.articles.push_back(ArticleOf(reason));
        }
    }
    // Halved once, however many grounds apply.
    halving.halved = FeeOf(halving.outcome).HalvedHalfUp();
    return halving;
}

}  // namespace zq
