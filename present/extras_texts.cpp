// SPDX-License-Identifier: MIT
#include "present/extras_texts.h"

#include "calc/basis.h"
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

std::string HalvedLine(const HalvedFee& halving, bool capitals) {
    const std::string halved = halving.halved->Text();
    return (capitals ? WithCapitals(halved) : halved) + "（全额 " + halving.outcome.feeText +
           "，依" + ArticlesText(halving.articles) + "减半交纳）";
}

std::string CompoundingNote(const HalvedFee& halving) {
    if (!halving.done() || halving.articles.size() < 2) {
        return {};
    }
    return "同时符合" + ArticlesText(halving.articles) +
           "的，是否累计减半，《办法》未作规定；本程序只减半一次。";
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
        case SplitRefusal::NotSplit:
            return BurdenText(typeText, split) + "按判决支持比例分担不适用于此项费用";
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

std::string BurdenText(std::string_view typeText, const FeeSplit& split) {
    switch (split.burden.rule) {
        case BurdenRule::Proportional:
            return "诉讼费用由败诉方负担；部分胜诉、部分败诉的，由人民法院根据案件的具体情况决定当"
                   "事人"
                   "各自负担的诉讼费用数额（第二十九条）。";
        case BurdenRule::Negotiated:
            return split.burden.article == "第三十三条"
                       ? "离婚案件诉讼费用的负担由双方当事人协商解决；协商不成的，由人民法院决定"
                         "（第三十三条）。"
                       : "经人民法院调解达成协议的案件，诉讼费用的负担由双方当事人协商解决；协商不"
                         "成"
                         "的，由人民法院决定（第三十一条）。";
        case BurdenRule::PlaintiffBears:
            return "民事案件的原告申请撤诉，人民法院裁定准许的，案件受理费由原告负担；行政案件的被"
                   "告"
                   "改变或者撤销具体行政行为，原告申请撤诉的，由被告负担（第三十四条）。";
        case BurdenRule::DebtorUnlessObjected:
            return "债务人对督促程序未提出异议的，申请费由债务人负担；提出异议致使督促程序终结的，"
                   "由申"
                   "请人负担（第三十六条）。公示催告的申请费由申请人负担（第三十七条）。";
        case BurdenRule::EnforcedPartyBears:
            return "执行申请费由被执行人负担；执行中当事人达成和解协议的，由双方协商解决，协商不成"
                   "的，"
                   "由人民法院决定（第三十八条）。";
        case BurdenRule::ObjectorBears:
            return "管辖权异议不成立的，该项费用由提出异议的当事人交纳（第十三条第（六）项）。";
        case BurdenRule::ApplicantBears:
            return "“" + std::string(typeText) +
                   "”收取的是申请费（第十四条），由申请人负担（第三十八条、第三十九条）。";
    }
    return {};
}

std::vector<std::string> SplitLines(std::string_view typeText, const FeeSplit& split,
                                    std::string_view awarded) {
    const std::string fee = split.fee.ShownText();
    const std::string kind = IsAcceptanceFee(typeText) ? "案件受理费" : "申请费";
    std::vector<std::string> lines{
        (split.halving ? kind + "（减半后，依" + ArticlesText(split.halving->articles) + "）："
                       : kind + "：") +
        WithCapitals(fee)};
    if (!split.proportional()) {
        lines.push_back(BurdenText(typeText, split));
        return lines;
    }
    lines.push_back("原告负担：" + WithCapitals(split.plaintiffShare.ShownText()));
    lines.push_back("被告负担：" + WithCapitals(split.defendantShare.ShownText()));
    lines.push_back("按判决支持 " + std::string(awarded) + " 元占诉讼请求 " +
                    split.outcome.amountText + " 元的比例分担，" + std::string(kSplitIsAReference));
    return lines;
}

std::string SplitBasis(std::string_view typeText, const FeeSplit& split) {
    return split.proportional()
               ? "按判决支持的金额占诉讼请求的比例分担，" + std::string(kSplitIsAReference)
               : BurdenText(typeText, split);
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
