// SPDX-License-Identifier: MIT
#include "present/explanation.h"

#include <cmath>

#include "calc/scales.h"
#include "present/rule_words.h"
#include "present/stage_texts.h"
#include "present/yuan_words.h"
#include "runtime/fee_capitals.h"
#include "runtime/number_text.h"

namespace zq::present {
namespace {

std::string RangeWords(const FeeRange& range) {
    return "每件交纳" + std::to_string(range.low) + "元至" + std::to_string(range.high) + "元";
}

// How the figure stands in its range: "按最高限额计算", "按本地标准计算", ...
std::string FigureWords(const FeeBreakdown& ex) {
    const FeeRange& range = ex.basis.range;
    if (ex.localFigure) {
        return "按本地标准计算";
    }
    if (ex.rule.figure == range.high) {
        return "按最高限额计算";
    }
    return ex.rule.figure == range.low ? "按最低限额计算"
                                       : "按" + std::to_string(ex.rule.figure) + "元计算";
}

// "没有执行金额或者价额的，" for a range that is for a case without an amount.
std::string RangeCondition(const LegalBasis& basis) {
    if (!basis.range.withoutAmount) {
        return {};
    }
    return basis.kind == FeeKind::ApplicationFee ? "没有执行金额或者价额的，"
                                                 : "没有争议金额或者价额的，";
}

BandWords WordsOfBand(const BandStep& band, const FeeBreakdown& ex) {
    if (band.base) {
        // The divorce and personality scales start from the figure of their range.
        const bool ranged =
            ex.rule.rule == FeeRule::DivorceScale || ex.rule.rule == FeeRule::PersonalityScale;
        return {ranged ? RangeWords(ex.basis.range) + "，" + FigureWords(ex)
                       : "不超过" + YuanWords(band.upper) + "的部分（每件）",
                "", "", band.amount.Text()};
    }
    std::string label = "超过" + YuanWords(band.lower);
    if (band.upper != scales::kNoUpperEdge) {
        label += "至" + YuanWords(band.upper);
    }
    return {label + "的部分", band.part.Text(),
            NumberToText(static_cast<double>(band.perTenThousand) / 100) + "%", band.amount.Text()};
}

std::string WordsOfAdjustment(const Adjustment& step, const FeeBreakdown& ex) {
    const FeeRange& range = ex.basis.range;
    switch (step.kind) {
        case AdjustmentKind::WithoutAmount: {
            std::string condition = RangeCondition(ex.basis);
            condition.erase(condition.size() - std::string_view("的，").size());
            return condition + "：" + RangeWords(range) + "，" + FigureWords(ex) + " " +
                   step.result.Text();
        }
        case AdjustmentKind::WithAmount:
            return "有争议金额或者价额：按照财产案件的标准交纳";
        case AdjustmentKind::Third:
        case AdjustmentKind::Half: {
            const bool third = step.kind == AdjustmentKind::Third;
            return std::string(third ? "比照财产案件受理费标准的1/3："
                                     : "按照财产案件受理费标准减半：") +
                   step.scaleFee + (third ? " ÷ 3 = " : " ÷ 2 = ") + NumberToText(step.quotient) +
                   "，保留到分（四舍六入五成双）" + step.result.Text();
        }
        case AdjustmentKind::BankruptcyCap:
            return "最高不超过" + YuanWords(static_cast<double>(step.yuan)) + "：" +
                   step.result.Text();
        case AdjustmentKind::PreservationCap:
            return "申请保全措施交纳的费用最多不超过" + YuanWords(static_cast<double>(step.yuan)) +
                   "：" + step.result.Text();
        case AdjustmentKind::Flat: {
            std::string line = "每件交纳 " + step.result.Text();
            if (range.given()) {
                line += "（" + std::to_string(range.low) + "元至" + std::to_string(range.high) +
                        "元，" + FigureWords(ex) + "）";
            }
            return line;
        }
    }
    return {};
}

std::string WordsOfDeparture(Departure departure, const FeeBreakdown& ex) {
    const FeeRange& range = ex.basis.range;
    switch (departure) {
        case Departure::FigureBelowTop:
            return RangeCondition(ex.basis) + std::string(range.article) + "规定" +
                   RangeWords(range) + "，本程序按" + std::to_string(ex.rule.figure) + "元计收。";
        case Departure::LocalFigure:
            return "按本地标准计收" + std::to_string(ex.rule.figure) + "元；" +
                   RangeCondition(ex.basis) + std::string(range.article) + "规定" +
                   RangeWords(range) + "。";
        case Departure::PublicSummonsAsPayment:
            return "申请公示催告的，第十四条第（四）项规定每件交纳100元；本类型一律比照支付令，按财"
                   "产"
                   "案件受理费标准的1/3计算。";
        case Departure::ThirdRoundedHalfEven:
            return "1/3保留到分时，恰为半分的按四舍六入五成双处理（16.675元计为16.68元），《办法》"
                   "未规定舍入方法。";
        case Departure::HalfRoundedHalfEven:
            return "减半保留到分时，恰为半分的按四舍六入五成双处理（25.005元计为25.00元），《办法》"
                   "未规定舍入方法。";
        case Departure::AgencyEnforcement:
            return "行政机关申请人民法院强制执行其行政决定的，不缴纳申请费（《中华人民共和国行政强"
                   "制"
                   "法》第六十条）；以上收费适用于申请执行行政判决、裁定等其他情形。";
    }
    return {};
}

// The 1/3 or the half is taken of the scale's fee before it is kept to the fen (50.025 for 10001
// yuan): where the two differ, the total says what is divided, so that the next line follows.
std::string UnroundedTotal(const FeeBreakdown& ex) {
    for (const Adjustment& step : ex.adjustments) {
        const bool divides =
            step.kind == AdjustmentKind::Third || step.kind == AdjustmentKind::Half;
        const std::size_t point = step.scaleFee.find('.');
        const bool plain = step.scaleFee.find_first_of("Ee") == std::string::npos;
        if (divides && plain && point != std::string::npos && step.scaleFee.size() - point > 3) {
            return "（未保留到分：" + step.scaleFee + "）";
        }
    }
    return {};
}

}  // namespace

BreakdownWords WordsOf(const FeeBreakdown& ex) {
    BreakdownWords words;
    words.article = std::string(ex.basis.article);
    words.feeKind = ex.basis.kind == FeeKind::AcceptanceFee ? "案件受理费" : "申请费";
    words.rule = RuleInWords(ex.rule);
    for (const BandStep& band : ex.bands) {
        words.bands.push_back(WordsOfBand(band, ex));
    }
    if (!ex.bands.empty()) {
        words.bandsTotal = ex.bandsTotal.Text() + UnroundedTotal(ex);
    }
    for (const Adjustment& step : ex.adjustments) {
        words.adjustments.push_back(WordsOfAdjustment(step, ex));
    }
    for (const Departure departure : ex.departures) {
        words.notes.push_back(WordsOfDeparture(departure, ex));
    }
    return words;
}

std::vector<std::string> NotesOf(std::string_view typeText, const FeeTrace& trace,
                                 const LocalFigures* figures) {
    FeeBreakdown ex;
    ex.rule = RuleFor(typeText, figures);
    ex.basis = LegalBasisOf(typeText);
    ex.localFigure = figures != nullptr && figures->Of(typeText).has_value();
    ex.departures = DeparturesOf(typeText, ex.rule, ex.basis, trace, ex.localFigure);
    std::vector<std::string> notes;
    for (const Departure departure : ex.departures) {
        notes.push_back(WordsOfDeparture(departure, ex));
    }
    return notes;
}

std::vector<std::string> NotesBesideTheFee(const FeeBreakdown& ex, bool typeFromName) {
    std::vector<std::string> notes;
    for (const Departure departure : ex.departures) {
        if (departure == Departure::LocalFigure ||
            (typeFromName && departure == Departure::PublicSummonsAsPayment)) {
            notes.push_back(WordsOfDeparture(departure, ex));
        }
    }
    return notes;
}

std::vector<ExplanationLine> ExplanationLines(const FeeBreakdown& ex) {
    if (!ex.priced()) {
        return {};
    }
    const BreakdownWords words = WordsOf(ex);
    std::vector<ExplanationLine> lines;
    const auto step = [&lines](std::string text) {
        lines.push_back({std::move(text), LineStyle::Step});
    };
    // The case first: in the window the list may since have moved to another type, and the fee
    // field still shows this case's fee until 计算 is pressed again.
    step("案件类型：" + ex.type);
    std::string claims;
    for (const std::string& claim : ex.claims.size() > 1 ? ex.claims : std::vector<std::string>{}) {
        claims += (claims.empty() ? "" : " + ") + claim;
    }
    step("标的金额：" + (claims.empty() ? "" : claims + " = ") + ex.outcome.amountText + " 元");
    if (ex.stage == CaseStage::Appeal || ex.stage == CaseStage::Retrial) {
        lines.push_back(
            {ex.stage == CaseStage::Appeal ? AppealNote() : RetrialNote(), LineStyle::Sentence});
    }
    step("依据：《诉讼费用交纳办法》" + words.article + "（" + words.feeKind + "）");
    step("规则：" + words.rule);
    if (!words.bands.empty()) {
        step("分段累计：");
        for (const BandWords& band : words.bands) {
            step("  " + band.label + "：" +
                 (band.part.empty() ? "" : band.part + " × " + band.rate + " = ") + band.amount);
        }
        step("  合计：" + words.bandsTotal);
    }
    for (const std::string& adjustment : words.adjustments) {
        lines.push_back({adjustment, LineStyle::Sentence});
    }
    if (ex.chargedAtTopOfRange) {
        step("注：有收费范围的，按最高限额计算。");
    }
    for (const std::string& note : words.notes) {
        lines.push_back({"说明：" + note, LineStyle::Sentence});
    }
    lines.push_back({PrepayLine(PrepaymentOf(ex.type, ex.stage)), LineStyle::Sentence});
    lines.push_back({"法院收费：" + ex.outcome.feeText, LineStyle::Result});
    if (const auto capitals = FeeCapitals(ex.outcome.feeText)) {
        lines.push_back({"大写：人民币" + *capitals, LineStyle::Result});
    }
    return lines;
}

std::string PlainText(const std::vector<ExplanationLine>& lines) {
    std::string text;
    for (const ExplanationLine& line : lines) {
        text += line.text + "\n";
    }
    return text;
}

}  // namespace zq::present
