// SPDX-License-Identifier: MIT
#include "calc/fee_split.h"

#include <cstdint>

#include "calc/basis.h"
#include "calc/catalogue.h"
#include "calc/price.h"
#include "runtime/calc_failure.h"
#include "runtime/decimal15.h"
#include "runtime/fen.h"
#include "runtime/numeric_text.h"

namespace zq {
namespace {

// A 15-digit decimal as an integer of at most 15 digits times a power of ten.
struct Scaled {
    std::uint64_t mantissa = 0;
    int exponent = 0;
};

Scaled ScaledOf(double value) {
    const Decimal15 d = Decimal15::From(value);
    Scaled s;
    for (const char c : d.digits) {
        s.mantissa = s.mantissa * 10 + static_cast<std::uint64_t>(c - '0');
    }
    s.exponent = d.pointPos - static_cast<int>(d.digits.size());
    return s;
}

// fee x awarded / claimed, to the fen, halves away from zero; awarded <= claimed, claimed > 0.
Fen ProportionalShare(const Fen& fee, double awarded, double claimed) {
    const Scaled a = ScaledOf(awarded);
    const Scaled c = ScaledOf(claimed);
    return a.mantissa == 0 ? Fen()
                           : fee.ScaledHalfUp(a.mantissa, c.mantissa, a.exponent - c.exponent);
}

}  // namespace

FeeSplit SplitFee(std::string_view awardedText, std::string_view typeText,
                  std::string_view amountText) {
    FeeOutcome outcome = ComputeFee(typeText, amountText);
    FeeSplit split{std::move(outcome.amountText), std::move(outcome.feeText), {}, {}, {}};
    if (outcome.message) {
        split.note = outcome.message->title == kCalcErrorTitle
                         ? std::string(kCalcErrorTitle) + "：" + outcome.message->prompt
                         : outcome.message->prompt;
        return split;
    }
    if (catalogue::RuleOfType(typeText).rule == FeeRule::NoRule) {
        split.note = "“" + std::string(typeText) + "”不是收费目录中的案件类型";
        return split;
    }
    if (LegalBasisOf(typeText).kind != FeeKind::AcceptanceFee) {
        split.note = "“" + std::string(typeText) +
                     "”收取的是申请费（第十四条）；按判决支持比例分担只适用于案件受理费";
        split.fee.clear();
        return split;
    }
    const NumberReading claimed = ReadNumber(split.amountText);
    const NumberReading awarded = ReadNumber(awardedText);
    if (!awarded.numeric) {
        split.note = "判决支持的金额中请输入数字！";
    } else if (claimed.overflow || awarded.overflow) {
        split.note = std::string(kCalcErrorTitle) + "：" +
                     std::string(CalcFailure(FailureKind::Overflow).description());
    } else if (!(claimed.value > 0)) {
        split.note = "按比例分担需要大于0的标的金额";
    } else if (awarded.value < 0 || awarded.value > claimed.value) {
        split.note = "判决支持的金额应在0至标的金额（" + split.amountText + "）之间";
    }
    if (!split.ok()) {
        split.fee.clear();
        return split;
    }
    const Fen fee = Fen::FromFeeText(split.fee).value_or(Fen());
    const Fen defendant = ProportionalShare(fee, awarded.value, claimed.value);
    split.defendantShare = defendant.ShownText();
    split.plaintiffShare = (fee - defendant).ShownText();
    return split;
}

}  // namespace zq
