// SPDX-License-Identifier: MIT
#include "cli/halving.h"

#include <algorithm>

#include "calc/legal_basis.h"
#include "cli/batch.h"
#include "runtime/fen.h"

namespace zq::cli {
namespace {

struct ReasonName {
    std::string_view chinese;
    std::string_view ascii;
    HalvingReason reason;
};

constexpr ReasonName kReasons[] = {
    {"调解", "mediation", HalvingReason::Mediation},
    {"撤诉", "withdrawal", HalvingReason::Withdrawal},
    {"简易程序", "summary", HalvingReason::Summary},
    {"反诉", "counterclaim", HalvingReason::Counterclaim},
};

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

}  // namespace

std::optional<std::vector<HalvingReason>> ParseHalvingReasons(std::string_view text) {
    std::vector<HalvingReason> reasons;
    bool more = !text.empty();
    while (more) {
        std::size_t cut = text.find(',');
        std::size_t skip = 1;
        const std::size_t ideographic = text.find("、");
        if (ideographic < cut) {
            cut = ideographic;
            skip = std::string_view("、").size();
        }
        const std::string_view word = text.substr(0, cut);
        more = cut != std::string_view::npos;  // a separator promises another word
        text = more ? text.substr(cut + skip) : std::string_view();
        const auto* found = std::find_if(
            std::begin(kReasons), std::end(kReasons),
            [word](const ReasonName& r) { return r.chinese == word || r.ascii == word; });
        if (found == std::end(kReasons)) {
            return std::nullopt;
        }
        reasons.push_back(found->reason);
    }
    return reasons.empty() ? std::nullopt : std::optional(reasons);
}

HalvingAnswer HalveFee(const std::vector<HalvingReason>& reasons, std::string_view typeText,
                       std::string_view amountText) {
    const CaseAnswer answer = AnswerCase(typeText, amountText);
    HalvingAnswer halving{answer.amountText, answer.feeText, {}, {}, answer.note};
    if (!answer.ok()) {
        return halving;
    }
    if (LegalBasisOf(typeText).kind != FeeKind::AcceptanceFee) {
        halving.note =
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
    halving.halvedFee = Fen::FromFeeText(answer.feeText).value_or(Fen()).HalvedHalfUp().Text();
    return halving;
}

}  // namespace zq::cli
