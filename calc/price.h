// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/fee_rule.h"
#include "calc/fee_trace.h"
#include "calc/local_figures.h"
#include "runtime/calc_failure.h"
#include "runtime/fen.h"

namespace zq {

// Why the Calculate command gave no fee for a type in the catalogue.
enum class RefusalKind {
    AmountNotNumeric,   // the amount is not a number: nothing was priced
    AmountNegative,     // the amount is below zero, judged from its text: nothing was priced
    CalculationFailed,  // pricing failed (an amount beyond the double range, ...)
};
struct Refusal {
    RefusalKind kind = RefusalKind::AmountNotNumeric;
    FailureKind failure = FailureKind::Overflow;  // for CalculationFailed

    friend bool operator==(const Refusal&, const Refusal&) = default;
};

// What the Calculate command leaves behind: the amount text to write back, the fee text to show,
// and at most one refusal for the caller to report.
struct FeeOutcome {
    std::string amountText;
    std::string feeText;
    std::optional<Refusal> refusal;
};

// The Calculate command: checks the amount text, prices the case type with its fee rule and
// formats the fee as the window shows it ("50.00", "16.67", "30.5").
//  - an amount that is not numeric, or below zero ("-5", "-1e400"; "-0" is zero): refused, no
//    fee, the amount left as typed;
//  - an empty amount: read as "0", and "0" is written back;
//  - a type that is not in the catalogue: no fee and no refusal;
//  - a failure while pricing (an amount beyond the double range, ...): refused, no fee.
// With a trace, the rule records its steps in it. With local figures, a type that has one charges
// it in place of the catalogue's figure.
FeeOutcome ComputeFee(std::string_view typeText, std::string_view amountText,
                      FeeTrace* trace = nullptr, const LocalFigures* figures = nullptr);

// The fee an outcome shows, as money; zero where it shows none (a refusal, an unknown type).
Fen FeeOf(const FeeOutcome& outcome);

// The rule a type is priced by, with the local figure in place of the catalogue's where there is
// one; NoRule for a text that is not a type.
RuleChoice RuleFor(std::string_view typeText, const LocalFigures* figures);

}  // namespace zq
