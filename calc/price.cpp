// SPDX-License-Identifier: MIT
#include "calc/price.h"

#include "calc/catalogue.h"
#include "calc/fee_rules.h"
#include "runtime/fee_rounding.h"
#include "runtime/numeric_text.h"

namespace zq {
namespace {

// Formats a numeric fee text as the window shows it; any other text is left, and completed with
// "00" if it ends in a bare ".".
void FormatFeeText(std::string& fee) {
    const NumberReading reading = ReadNumber(fee);
    if (reading.numeric && !reading.overflow) {
        fee = ShownFee(reading.value);
    } else if (!fee.empty() && fee.back() == '.') {
        fee.append("00");
    }
}

}  // namespace

RuleChoice RuleFor(std::string_view typeText, const LocalFigures* figures) {
    RuleChoice choice = catalogue::RuleOfType(typeText);
    if (figures != nullptr && !figures->empty()) {
        choice.figure = figures->Of(typeText).value_or(choice.figure);
    }
    return choice;
}

FeeOutcome ComputeFee(std::string_view typeText, std::string_view amountText, FeeTrace* trace,
                      const LocalFigures* figures) {
    // An empty amount reads as 0, and the user sees the "0" written back.
    FeeOutcome out{amountText.empty() ? std::string("0") : std::string(amountText), std::string(),
                   std::nullopt};
    if (!amountText.empty()) {
        const NumberReading amount = ReadNumber(amountText);
        if (!amount.numeric || amount.negative) {
            out.refusal = Refusal{amount.numeric ? RefusalKind::AmountNegative
                                                 : RefusalKind::AmountNotNumeric};
            return out;
        }
    }
    try {
        FeeStage stage(out.amountText, out.feeText, trace);
        rules::Apply(RuleFor(typeText, figures), stage);
        FormatFeeText(out.feeText);
    } catch (const CalcFailure& failure) {
        // A half-finished stage (say the 50 yuan base of an enforcement fee) is not a fee: leave
        // the field empty rather than show it under an error.
        out.feeText.clear();
        out.refusal = Refusal{RefusalKind::CalculationFailed, failure.kind()};
    }
    return out;
}

Fen FeeOf(const FeeOutcome& outcome) { return Fen::FromShownFee(outcome.feeText).value_or(Fen()); }

}  // namespace zq
