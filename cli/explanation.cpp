// SPDX-License-Identifier: MIT
#include "cli/explanation.h"

#include <cmath>
#include <limits>

#include "calc/catalogue.h"
#include "calc/fee_rules.h"
#include "calc/scales.h"
#include "cli/batch.h"
#include "cli/catalogue_listing.h"
#include "runtime/fen.h"
#include "runtime/fee_rounding.h"
#include "runtime/number_text.h"
#include "runtime/numeric_text.h"

namespace zq::cli {
namespace {

constexpr double kNoEdge = std::numeric_limits<double>::infinity();

struct Band {
    double lower;
    double upper;
    double rate;
};

// 10000 -> "1万元", 1000 -> "1000元".
std::string YuanText(double yuan) {
    if (yuan >= 10000 && std::fmod(yuan, 10000) == 0) {
        return NumberToText(yuan / 10000) + "万元";
    }
    return NumberToText(yuan) + "元";
}

std::string BandLabel(const Band& band) {
    if (band.upper == kNoEdge) {
        return "超过" + YuanText(band.lower) + "的部分";
    }
    return "超过" + YuanText(band.lower) + "至" + YuanText(band.upper) + "的部分";
}

std::string FenText(std::string_view shown) {
    const auto fen = Fen::FromFeeText(shown);
    return fen ? fen->Text() : std::string(shown);
}

// Lists the base fee and each band the amount reaches. Whole bands are exact; the band the amount
// ends in takes what is left of `target` (the fee the rule arrives at, to the fen), so the lines
// always add up to it. That part differs from its own rounded value by at most one fen.
void AddBands(Explanation& ex, double amount, double baseFee, std::string baseLabel,
              const std::vector<Band>& bands, std::string_view target) {
    const Fen base = Fen::FromCount(static_cast<std::uint64_t>(baseFee * 100));
    ex.bands.push_back({std::move(baseLabel), "", "", base.Text()});
    Fen whole = base;
    std::size_t partial = 0;
    for (const Band& band : bands) {
        if (amount <= band.lower) {
            break;
        }
        const double part = std::min(amount, band.upper) - band.lower;
        BandStep step{BandLabel(band), NumberToText(part), NumberToText(band.rate * 100) + "%", ""};
        if (amount > band.upper) {
            const Fen fen =
                Fen::FromCount(static_cast<std::uint64_t>(std::llround(part * band.rate * 100)));
            step.amount = fen.Text();
            whole = whole + fen;
        } else {
            partial = ex.bands.size();
        }
        ex.bands.push_back(std::move(step));
    }
    const auto total = Fen::FromFeeText(target);
    ex.bandsTotal = total ? total->Text() : std::string(target);
    if (partial != 0 && total) {
        ex.bands[partial].amount = (*total - whole).Text();
    }
}

std::vector<Band> PropertyBands() {
    std::vector<Band> bands;
    bands.reserve(scales::kPropertyBands.size());
    for (const scales::ClosedFormBand& band : scales::kPropertyBands) {
        bands.push_back({band.lower, band.upper, band.rate});
    }
    return bands;
}

// A stage of a rule as the next stage receives it: the 15-digit fee text.
std::string StageText(void (*rule)(FeeStage&), std::string_view amountText) {
    std::string fee;
    FeeStage stage(amountText, fee);
    rule(stage);
    return fee;
}

void ExplainRule(Explanation& ex, const RuleChoice& choice, double a) {
    const std::string property = "不超过1万元的部分（每件）";
    switch (choice.rule) {
        case FeeRule::NoRule:
            return;
        case FeeRule::PropertyScale:
            AddBands(ex, a, 50, property, PropertyBands(), ex.fee);
            return;
        case FeeRule::IntellectualProperty:
            if (a == 0) {
                ex.adjustments.push_back(
                    "没有争议金额或者价额：每件交纳500元至1000元，按最高限额计算 1000.00");
                ex.chargedAtTopOfRange = true;
            } else {
                ex.adjustments.push_back("有争议金额或者价额：按照财产案件的标准交纳");
                AddBands(ex, a, 50, property, PropertyBands(), ex.fee);
            }
            return;
        case FeeRule::PaymentOrderThird:
        case FeeRule::BankruptcyHalf: {
            const std::string stage = StageText(rules::PropertyScale, ex.amountText);
            const double stageFee = TextToNumber(stage);
            AddBands(ex, a, 50, property, PropertyBands(), ShownFee(stageFee));
            const bool third = choice.rule == FeeRule::PaymentOrderThird;
            const double divided = stageFee / (third ? 3 : 2);
            const double rounded = RoundHalfEven2(divided);
            ex.adjustments.push_back(std::string(third ? "比照财产案件受理费标准的1/3："
                                                       : "按照财产案件受理费标准减半：") +
                                     stage + (third ? " ÷ 3 = " : " ÷ 2 = ") +
                                     NumberToText(divided) + "，保留到分（四舍六入五成双）" +
                                     FenText(ShownFee(rounded)));
            if (!third && rounded > 300000) {
                ex.adjustments.push_back("最高不超过30万元：300000.00");
            }
            return;
        }
        case FeeRule::DivorceScale:
            ex.chargedAtTopOfRange = true;
            AddBands(ex, a, 300, "每件交纳50元至300元，按最高限额计算", {{200000, kNoEdge, 0.005}},
                     ex.fee);
            return;
        case FeeRule::PersonalityScale:
            ex.chargedAtTopOfRange = true;
            AddBands(ex, a, 500, "每件交纳100元至500元，按最高限额计算",
                     {{50000, 100000, 0.01}, {100000, kNoEdge, 0.005}}, ex.fee);
            return;
        case FeeRule::PreservationScale: {
            const double uncapped =
                TextToNumber(StageText(rules::PreservationBeforeCap, ex.amountText));
            AddBands(ex, a, 30, "不超过1000元的部分（每件）",
                     {{1000, 100000, 0.01}, {100000, kNoEdge, 0.005}}, ShownFee(uncapped));
            if (uncapped > 5000) {
                ex.adjustments.push_back("申请保全措施交纳的费用最多不超过5000元：5000.00");
            }
            return;
        }
        case FeeRule::EnforcementScale: {
            std::vector<Band> bands;
            bands.reserve(scales::kEnforcementBands.size());
            for (const scales::MarginalBand& band : scales::kEnforcementBands) {
                bands.push_back({band.lower, band.upper, band.rate});
            }
            AddBands(ex, a, 50, "不超过1万元的部分（每件）", bands, ex.fee);
            return;
        }
        case FeeRule::FlatFee: {
            std::string line = "每件交纳 " + std::to_string(choice.flatFee) + ".00";
            if (ex.basis.rangeHigh != 0) {
                line += "（" + std::to_string(ex.basis.rangeLow) + "元至" +
                        std::to_string(ex.basis.rangeHigh) + "元，按最高限额计算）";
                ex.chargedAtTopOfRange = true;
            }
            ex.adjustments.push_back(line);
            return;
        }
    }
}

}  // namespace

Explanation ExplainFee(std::string_view typeText, std::string_view amountText) {
    const CaseAnswer answer = AnswerCase(typeText, amountText);
    const RuleChoice choice = catalogue::RuleOfType(typeText);
    Explanation ex;
    ex.type = std::string(typeText);
    ex.amountText = answer.amountText;
    ex.basis = LegalBasisOf(typeText);
    ex.ruleWords = RuleInWords(choice);
    ex.fee = answer.feeText;
    ex.note = answer.note;
    if (!answer.ok()) {
        return ex;
    }
    // Only a flat fee succeeds with an amount beyond the double range, and it never reads it.
    const NumberReading amount = ReadNumber(ex.amountText);
    ExplainRule(ex, choice, amount.overflow ? 0 : amount.value);
    return ex;
}

std::string RenderExplanation(const Explanation& ex) {
    std::string out = "案件类型：" + ex.type + "\n";
    out += "标的金额：" + ex.amountText + " 元\n";
    if (!ex.note.empty()) {
        return out + ex.note + "\n";
    }
    out += "依据：《诉讼费用交纳办法》" + std::string(ex.basis.article) +
           (ex.basis.kind == FeeKind::AcceptanceFee ? "（案件受理费）\n" : "（申请费）\n");
    out += "规则：" + ex.ruleWords + "\n";
    if (!ex.bands.empty()) {
        out += "分段累计：\n";
        for (const BandStep& band : ex.bands) {
            out += "  " + band.label + "：";
            if (!band.part.empty()) {
                out += band.part + " × " + band.rate + " = ";
            }
            out += band.amount + "\n";
        }
        out += "  合计：" + ex.bandsTotal + "\n";
    }
    for (const std::string& adjustment : ex.adjustments) {
        out += adjustment + "\n";
    }
    if (ex.chargedAtTopOfRange) {
        out += "注：有收费范围的，按最高限额计算。\n";
    }
    out += "法院收费：" + ex.fee + "\n";
    return out;
}

}  // namespace zq::cli
