// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/basis.h"
#include "calc/departures.h"
#include "calc/fee_rule.h"
#include "calc/fee_trace.h"
#include "calc/prepay.h"
#include "calc/price.h"
#include "runtime/fen.h"

namespace zq {

// One line of a graduated scale: the base fee up to the first edge, or the part of the amount
// inside a band with its rate and its fee.
struct BandStep {
    bool base = false;
    double lower = 0;  // the band's edges in yuan; the base has only its upper edge
    double upper = 0;  // scales::kNoUpperEdge for a band without one
    Fen part;          // the part of the amount inside the band, to the fen; 0 for the base
    long long perTenThousand = 0;
    Fen amount;  // the line's fee
};

// A step after the scale, as the rule took it.
enum class AdjustmentKind {
    WithoutAmount,    // an IP or enforcement case without an amount: the figure for it
    WithAmount,       // an IP case with an amount: the property scale
    Third,            // a payment order: the scale's fee divided by 3
    Half,             // bankruptcy: the scale's fee divided by 2
    BankruptcyCap,    // at most the cap
    PreservationCap,  // at most the cap
    Flat,             // a fixed fee
};
struct Adjustment {
    AdjustmentKind kind = AdjustmentKind::Flat;
    std::string scaleFee;  // Third, Half: the scale's fee text that was divided
    double quotient = 0;   // Third, Half: before rounding
    Fen result;            // the fee after this step
    long long yuan = 0;    // WithoutAmount, the caps, Flat: the figure in yuan
};

// The calculation as a lawyer writes it: the rule and its basis in the Measures, the bands of the
// scale with their parts, the adjustments the rule made, and the fee exactly as the Calculate
// command gives it. One run of the rule: the steps are the ones it recorded.
struct FeeBreakdown {
    std::string type;
    FeeOutcome outcome;  // the Calculate command's amount text, fee text and refusal
    RuleChoice rule;     // with the figure that was in force
    LegalBasis basis;
    bool localFigure = false;  // the figure in force was a court's local figure
    std::vector<BandStep> bands;
    Fen bandsTotal;  // what the bands add up to: the scale's fee, to the fen
    std::vector<Adjustment> adjustments;
    // Where the figure is a choice within or beside the Measures.
    std::vector<Departure> departures;
    bool chargedAtTopOfRange = false;
    // Set by the caller: the step of the case the fee is for, and the claims whose sum the amount
    // is, when there are several.
    CaseStage stage = CaseStage::FirstInstance;
    std::vector<std::string> claims;

    // A fee was arrived at: the type is in the catalogue and nothing was refused or failed. Only
    // then are the bands and the adjustments filled in.
    bool priced() const { return !outcome.refusal && rule.rule != FeeRule::NoRule; }
};

FeeBreakdown ExplainFee(std::string_view typeText, std::string_view amountText,
                        const LocalFigures* figures = nullptr);

}  // namespace zq
