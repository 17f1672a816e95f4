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

FeeOutcome ComputeFee(std::string_view typeText, std::string_view amountText, FeeTrace* trace) {
    // An empty amount reads as 0, and the user sees the "0" written back.
    FeeOutcome out{amountText.empty() ? std::string("0") : std::string(amountText), std::string(),
                   std::nullopt};
    if (!amountText.empty() && !IsNumeric(amountText)) {
        out.refusal = Refusal{RefusalKind::AmountNotNumeric};
        return out;
    }
    try {
        FeeStage stage(out.amountText, out.feeText, trace);
        rules::Apply(catalogue::RuleOfType(typeText), stage);
        FormatFeeText(out.feeText);
    } catch (const CalcFailure& failure) {
        // A half-finished stage (say the 50 yuan base of an enforcement fee) is not a fee: leave
        // the field empty rather than show it under an error.
        out.feeText.clear();
        out.refusal = Refusal{RefusalKind::CalculationFailed, failure.kind()};
    }
    return out;
}

}  // namespace zq
