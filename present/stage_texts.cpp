// SPDX-License-Identifier: MIT
#include "present/stage_texts.h"

#include "calc/catalogue.h"
#include "present/case_notes.h"
#include "present/figure_rows.h"
#include "present/notice.h"

namespace zq::present {

PrepayWords WordsOf(const Prepayment& prepayment) {
    PrepayWords words;
    switch (prepayment.by) {
        case Payer::Plaintiff:
            words.by = "原告";
            break;
        case Payer::Defendant:
            words.by = "提起反诉的被告";
            break;
        case Payer::ThirdParty:
            words.by = "有独立请求权的第三人";
            break;
        case Payer::Appellant:
            words.by = "上诉人（双方都上诉的，分别预交）";
            break;
        case Payer::RetrialApplicant:
            words.by = "申请再审的当事人";
            break;
        case Payer::Applicant:
            words.by = "申请人";
            break;
        case Payer::Objector:
            words.by = "提出管辖权异议的当事人";
            break;
    }
    words.article = "第二十条、第二十二条";
    switch (prepayment.when) {
        case PayTime::WithinSevenDays:
            words.when = "自接到人民法院交纳诉讼费用通知次日起7日内";
            break;
        case PayTime::WithinSevenDaysOfClaim:
            words.when = "自提起反诉次日起7日内";
            break;
        case PayTime::WithTheAppeal:
            words.when = "提交上诉状时";
            break;
        case PayTime::AsTheCourtDirects:
            words.when = "按人民法院的通知（《办法》未规定再审案件的预交期限）";
            words.article = "第九条、第十九条";
            break;
        case PayTime::WithTheApplication:
            words.when = "提出申请时或者在人民法院指定的期限内";
            break;
        case PayTime::AfterEnforcement:
            words.when = "执行后交纳，不预交";
            words.article = "第二十条";
            break;
        case PayTime::AfterLiquidation:
            words.when = "清算后交纳，不预交";
            words.article = "第二十条";
            break;
        case PayTime::WhenTheObjectionFails:
            words.when = "异议不成立的才交纳，不预交";
            words.article = "第十三条第（六）项";
            break;
    }
    if (prepayment.mayDefer) {
        words.note = "追索劳动报酬的案件可以不预交案件受理费（第二十条）";
    }
    return words;
}

std::string PrepayLine(const Prepayment& prepayment) {
    const PrepayWords words = WordsOf(prepayment);
    return (prepayment.paidAfter() ? "交纳：" : "预交：") + words.by + "，" + words.when + "（" +
           words.article + "）" + (words.note.empty() ? "" : "；" + words.note);
}

std::string AppealNote() {
    return "对财产案件提起上诉的，按照不服一审判决部分的上诉请求数额交纳案件受理费（第十七条）；对"
           "不"
           "予受理、驳回起诉和管辖权异议裁定不服提起上诉的，不交纳案件受理费（第八条第（三）项）。";
}

std::string NoAppealFeeText() {
    return "对管辖权异议裁定不服提起上诉的，不交纳案件受理费（第八条第（三）项）";
}

std::string RetrialNote() {
    return "再审案件一般不交纳案件受理费；当事人有新的证据足以推翻原判决、裁定，或者对一审判决、裁"
           "定未上诉而在其生效后申请再审，人民法院经审查决定再审的，按照不服原判决部分的再审请求数"
           "额"
           "交纳（第九条、第十九条）。";
}

std::vector<std::string> ChangeLines(const ClaimChange& change) {
    std::vector<std::string> lines{
        "变更前：标的金额 " + change.before.amountText + " 元，法院收费 " + change.before.feeText,
        "变更后：标的金额 " + change.after.amountText + " 元，法院收费 " + change.after.feeText};
    if (change.topUp) {
        lines.push_back("增加诉讼请求数额，按增加后的数额计算补交：" +
                        WithCapitals(change.topUp->ShownText()) + "（第二十一条第（一）项）");
    } else if (!change.refund) {
        lines.push_back("变更前后收费相同，无需补交或退还（第二十一条）");
    } else {
        lines.push_back("减少诉讼请求数额，在法庭调查终结前提出的，按减少后的数额计算退还：" +
                        WithCapitals(change.refund->ShownText()) +
                        "（第二十一条第（二）项）；法庭调查终结后提出的，减少部分的案件受理费由变更"
                        "诉讼请求的当事人负担（第三十五条）");
    }
    return lines;
}

std::string ChangeNote(std::string_view typeText, const ClaimChange& change) {
    if (change.applicationFee) {
        return OnlyAcceptanceFeesNote(typeText, "变更诉讼请求数额（第二十一条）");
    }
    const FeeOutcome& refused = change.before.refusal ? change.before : change.after;
    return CaseNote(typeText, refused);
}

std::string RefundLine(RefundGround ground, const Refund& refund) {
    std::string line = "退还：" + WithCapitals(refund.refund.ShownText()) + "；不予退还：" +
                       WithCapitals(refund.kept.ShownText()) + "（" +
                       std::string(ArticleOf(ground)) + "）";
    if (ground == RefundGround::Criminal) {
        line += "；移送后民事案件需要继续审理的，已交纳的案件受理费不予退还";
    } else if (ground == RefundGround::Remand) {
        line += "；退还的是上诉人已交纳的第二审案件受理费";
    }
    return line;
}

std::string RefundNote(std::string_view typeText, RefundGround ground, const Refund& refund) {
    if (refund.applicationFee) {
        return OnlyAcceptanceFeesNote(typeText, std::string(ArticleOf(ground)) + "的退还");
    }
    return CaseNote(typeText, refund.outcome);
}

std::string FiguresListing(const LocalFigures& figures) {
    std::string listing;
    for (const FigureRow& row : FigureRows(figures)) {
        listing += row.type + "\t" + row.range + "\t" + row.inForce + "\n";
    }
    return listing;
}

std::string FigureRefusalNote(std::string_view typeText, LocalFigures::Refusal refusal) {
    switch (refusal) {
        case LocalFigures::Refusal::None:
            return {};
        case LocalFigures::Refusal::UnknownType:
            return UnknownTypeMessage(typeText);
        case LocalFigures::Refusal::NoRange:
            return "“" + std::string(typeText) +
                   "”的收费由《办法》规定为确定数额，不能设定本地标准";
        case LocalFigures::Refusal::OutOfRange: {
            const FeeRange range = LegalBasisOf(typeText).range;
            return "“" + std::string(typeText) + "”的本地标准应在" + std::to_string(range.low) +
                   "元至" + std::to_string(range.high) + "元之间（" + std::string(range.article) +
                   "）";
        }
    }
    return {};
}

std::string FiguresText(const LocalFigures& figures) {
    std::string text;
    for (const auto& [type, yuan] : figures.all()) {
        text += type + "=" + std::to_string(yuan) + "\n";
    }
    return text;
}

LocalFigures ReadFiguresText(std::string_view text, int* skipped) {
    LocalFigures figures;
    int bad = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty()) {
            continue;
        }
        const std::size_t equals = line.rfind('=');
        if (equals == std::string_view::npos ||
            !SetFigureText(figures, line.substr(0, equals), line.substr(equals + 1)).empty()) {
            ++bad;
        }
    }
    if (skipped != nullptr) {
        *skipped = bad;
    }
    return figures;
}

}  // namespace zq::present
