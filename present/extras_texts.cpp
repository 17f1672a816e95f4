// SPDX-License-Identifier: MIT
#include "present/extras_texts.h"

#include "present/case_notes.h"
#include "present/notice.h"

namespace zq::present {

std::string ArticlesText(const std::vector<std::string_view>& articles) {
    std::string text;
    for (std::string_view article : articles) {
        text += (text.empty() ? "" : "、") + std::string(article);
    }
    return text;
}

std::string HalvedLine(const HalvedFee& halving) {
    return halving.halved->Text() + "（全额 " + halving.outcome.feeText + "，依" +
           ArticlesText(halving.articles) + "减半交纳）";
}

std::string HalvingNote(std::string_view typeText, const HalvedFee& halving) {
    if (halving.applicationFee) {
        return "“" + std::string(typeText) +
               "”收取的是申请费（第十四条）；第十五条、第十六条、第十八条的减半交纳只适用于案件受理"
               "费";
    }
    return CaseNote(typeText, halving.outcome);
}

std::string SplitNote(std::string_view typeText, const FeeSplit& split) {
    switch (split.refusal) {
        case SplitRefusal::None:
            return {};
        case SplitRefusal::Outcome:
        case SplitRefusal::UnknownType:
            return CaseNote(typeText, split.outcome);
        case SplitRefusal::ApplicationFee:
            return "“" + std::string(typeText) +
                   "”收取的是申请费（第十四条）；按判决支持比例分担只适用于案件受理费";
        case SplitRefusal::AwardedNotNumeric:
            return "判决支持的金额中请输入数字！";
        case SplitRefusal::Overflow:
            return RefusalLine({RefusalKind::CalculationFailed, FailureKind::Overflow});
        case SplitRefusal::ClaimNotPositive:
            return "按比例分担需要大于0的标的金额";
        case SplitRefusal::AwardedOutOfRange:
            return "判决支持的金额应在0至标的金额（" + split.outcome.amountText + "）之间";
    }
    return {};
}

std::vector<std::string> SplitLines(const FeeSplit& split, std::string_view awarded) {
    return {"案件受理费：" + WithCapitals(split.outcome.feeText),
            "原告负担：" + WithCapitals(split.plaintiffShare.ShownText()),
            "被告负担：" + WithCapitals(split.defendantShare.ShownText()),
            "按判决支持 " + std::string(awarded) + " 元占诉讼请求 " + split.outcome.amountText +
                " 元的比例分担，" + std::string(kSplitIsAReference)};
}

std::string SplitBasis() {
    return "按判决支持的金额占诉讼请求的比例分担，" + std::string(kSplitIsAReference);
}

std::string AmountsNote(std::string_view typeText, const AmountsForFee& answer) {
    switch (answer.refusal) {
        case AmountsRefusal::None:
            return {};
        case AmountsRefusal::UnknownType:
            return UnknownTypeMessage(typeText);
        case AmountsRefusal::FeeNotNumeric:
            return "法院收费中请输入数字！";
        case AmountsRefusal::Overflow:
            return RefusalLine({RefusalKind::CalculationFailed, FailureKind::Overflow});
    }
    return {};
}

std::string AmountsText(std::string_view typeText, const AmountsForFee& answer) {
    std::string out =
        "得出法院收费 " + answer.fee + " 元的标的金额（" + std::string(typeText) + "）：\n";
    for (const AmountRange& range : answer.ranges) {
        out += "  " + range.min.Text();
        if (!range.max) {
            out += " 元及以上";
        } else if (*range.max != range.min) {
            out += " 至 " + range.max->Text() + " 元";
        } else {
            out += " 元";
        }
        out += "\n";
    }
    return out;
}

std::string NoAmountSentence(std::string_view typeText, const AmountsForFee& answer) {
    std::string out =
        "没有标的金额得出法院收费 " + answer.fee + " 元（" + std::string(typeText) + "）";
    const auto& below = answer.nearestBelow;
    const auto& above = answer.nearestAbove;
    if (below || above) {
        out += "；最接近的可能收费：";
        out += below ? below->Text() + " 元" : "";
        out += below && above ? "、" : "";
        out += above ? above->Text() + " 元" : "";
    }
    if (answer.beyondSearch) {
        out += "（标的金额只查至 " + Fen::FromCount(kLargestAmountFen).Text() + " 元）";
    }
    return out;
}

}  // namespace zq::present
