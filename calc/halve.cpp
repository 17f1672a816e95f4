// SPDX-License-Identifier: MIT
#include "calc/halve.h"

#include <algorithm>
#include <array>

#include "calc/basis.h"
#include "calc/catalogue.h"
#include "runtime/fen.h"

namespace zq {
namespace {

constexpr std::array kReasonNames{
    HalvingReasonName{"调解", "mediation", HalvingReason::Mediation},
    HalvingReasonName{"撤诉", "withdrawal", HalvingReason::Withdrawal},
    HalvingReasonName{"简易程序", "summary", HalvingReason::Summary},
    HalvingReasonName{"反诉", "counterclaim", HalvingReason::Counterclaim},
};

}  // namespace

std::span<const HalvingReasonName> HalvingReasonNames() { return kReasonNames; }

std::string_view ArticleOf(HalvingReason reason) {
    switch (reason) {
        case HalvingReason::Mediation:
        case HalvingReason::Withdrawal:
            return "第十五条";
        case HalvingReason::Summary:
            return "第十六条";
        case HalvingReason::Counterclaim:
            return "第十八条";
    }
    return {};
}

HalvedFee HalveFee(const std::vector<HalvingReason>& reasons, std::string_view typeText,
                   std::string_view amountText) {
    HalvedFee halving{ComputeFee(typeText, amountText), {}, {}, {}};
    if (halving.outcome.message || catalogue::RuleOfType(typeText).rule == FeeRule::NoRule) {
        return halving;
    }
    if (LegalBasisOf(typeText).kind != FeeKind::AcceptanceFee) {
        halving.refusal =
            "“" + std::string(typeText) +
            "”收取的是申请费（第十四条）；第十五条、第十六条、第十八条的减半交纳只适用于案件受理费";
        return halving;
    }
    std::vector<std::string_view> articles;
    for (const HalvingReason reason : reasons) {
        if (std::find(articles.begin(), articles.end(), ArticleOf(reason)) == articles.end()) {
            articles.push_back(ArticleOf(reason));
        }
    }
    for (std::string_view article : articles) {
        halving.articles += (halving.articles.empty() ? "" : "、") + std::string(article);
    }
    // Halved once, however many grounds apply.
    halving.halvedFee =
        Fen::FromFeeText(halving.outcome.feeText).value_or(Fen()).HalvedHalfUp().Text();
    return halving;
}

}  // namespace zq
