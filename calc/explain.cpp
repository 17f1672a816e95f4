// SPDX-License-Identifier: MIT
#include "calc/explain.h"

#include <algorithm>
#include <cmath>

#include "calc/catalogue.h"
#include "calc/departures.h"
#include "calc/fee_rules.h"
#include "calc/rule_words.h"
#include "calc/scales.h"
#include "runtime/fee_rounding.h"
#include "runtime/fen.h"
#include "runtime/number_text.h"
#include "runtime/numeric_text.h"

namespace zq {
namespace {

// 10000 -> "1万元", 1000 -> "1000元".
std::string YuanText(double yuan) {
    if (yuan >= 10000 && std::fmod(yuan, 10000) == 0) {
        return NumberToText(yuan / 10000) + "万元";
    }
    return NumberToText(yuan) + "元";
}

std::string BandLabel(const scales::MarginalBand& band) {
    if (band.upper == scales::kNoUpperEdge) {
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
template <std::size_t N>
void AddBands(FeeBreakdown& ex, double amount, const scales::MarginalScale<N>& scale,
              std::string baseLabel, std::string_view target) {
    const Fen base = Fen::FromCount(static_cast<std::uint64_t>(scale.baseFee) * 100);
    ex.bands.push_back({std::move(baseLabel), "", "", base.Text()});
    Fen whole = base;
    std::size_t partial = 0;
    for (const scales::MarginalBand& band : scale.bands) {
        if (amount <= band.lower) {
            break;
        }
        const double part = std::min(amount, band.upper) - band.lower;
        BandStep step{BandLabel(band), NumberToText(part), NumberToText(band.rate() * 100) + "%",
                      ""};
        if (amount > band.upper) {
            const Fen fen = Fen::FromCount(static_cast<std::uint64_t>(band.wholeFen()));
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

// A stage of a rule as the next stage receives it: the 15-digit fee text.
std::string StageText(void (*rule)(FeeStage&), std::string_view amountText) {
    std::string fee;
    FeeStage stage(amountText, fee);
    rule(stage);
    return fee;
}

constexpr std::string_view kPropertyBase = "不超过1万元的部分（每件）";

void ExplainRule(FeeBreakdown& ex, double a) {
    const std::string& fee = ex.outcome.feeText;
    switch (ex.rule.rule) {
        case FeeRule::NoRule:
            return;
        case FeeRule::PropertyScale:
            AddBands(ex, a, scales::kProperty, std::string(kPropertyBase), fee);
            return;
        case FeeRule::IntellectualProperty:
            if (a == 0) {
                ex.adjustments.push_back(
                    "没有争议金额或者价额：每件交纳500元至1000元，按最高限额计算 1000.00");
                ex.chargedAtTopOfRange = true;
            } else {
                ex.adjustments.push_back("有争议金额或者价额：按照财产案件的标准交纳");
                AddBands(ex, a, scales::kProperty, std::string(kPropertyBase), fee);
            }
            return;
        case FeeRule::PaymentOrderThird:
        case FeeRule::BankruptcyHalf: {
            const std::string stage = StageText(rules::PropertyScale, ex.outcome.amountText);
            const double stageFee = TextToNumber(stage);
            AddBands(ex, a, scales::kProperty, std::string(kPropertyBase), ShownFee(stageFee));
            const bool third = ex.rule.rule == FeeRule::PaymentOrderThird;
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
            AddBands(ex, a, scales::kDivorce, "每件交纳50元至300元，按最高限额计算", fee);
            return;
        case FeeRule::PersonalityScale:
            ex.chargedAtTopOfRange = true;
            AddBands(ex, a, scales::kPersonality, "每件交纳100元至500元，按最高限额计算", fee);
            return;
        case FeeRule::PreservationScale: {
            const double uncapped =
                TextToNumber(StageText(rules::PreservationBeforeCap, ex.outcome.amountText));
            AddBands(ex, a, scales::kPreservation, "不超过1000元的部分（每件）",
                     ShownFee(uncapped));
            if (uncapped > static_cast<double>(scales::kPreservationCap)) {
                ex.adjustments.push_back("申请保全措施交纳的费用最多不超过5000元：5000.00");
            }
            return;
        }
        case FeeRule::EnforcementScale:
            AddBands(ex, a, scales::kEnforcement, std::string(kPropertyBase), fee);
            return;
        case FeeRule::FlatFee: {
            std::string line = "每件交纳 " + std::to_string(ex.rule.flatFee) + ".00";
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

FeeBreakdown ExplainFee(std::string_view typeText, std::string_view amountText) {
    FeeBreakdown ex;
    ex.type = std::string(typeText);
    ex.outcome = ComputeFee(typeText, amountText);
    ex.rule = catalogue::RuleOfType(typeText);
    ex.basis = LegalBasisOf(typeText);
    ex.ruleWords = RuleInWords(ex.rule);
    if (!ex.priced()) {
        return ex;
    }
    // Only a flat fee succeeds with an amount beyond the double range, and it never reads it.
    const NumberReading amount = ReadNumber(ex.outcome.amountText);
    ExplainRule(ex, amount.overflow ? 0 : amount.value);
    ex.notes = DeparturesFromMeasures(typeText, ex.outcome.amountText);
    return ex;
}

}  // namespace zq
