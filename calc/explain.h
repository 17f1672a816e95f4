// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/basis.h"
#include "calc/fee_rule.h"
#include "calc/price.h"

namespace zq {

// One line of a graduated scale: the part of the amount inside a band, its rate and its fee.
struct BandStep {
    std::string label;   // "超过1万元至10万元的部分"
    std::string part;    // "90000" (yuan); empty for the base fee of the first band
    std::string rate;    // "2.5%"; empty for the base fee
    std::string amount;  // "2250.00"
};

// The calculation as a lawyer writes it: the rule and its basis in the Measures, the bands of the
// scale with their parts, the adjustments, and the fee exactly as the Calculate command gives it.
// The bands are listed from the same scale tables the fee rules evaluate.
struct FeeBreakdown {
    std::string type;
    FeeOutcome outcome;  // the Calculate command's amount text, fee text and message
    RuleChoice rule;
    LegalBasis basis;
    std::string ruleWords;
    std::vector<BandStep> bands;
    std::string bandsTotal;  // what the bands add up to, to the fen; empty without bands
    std::vector<std::string> adjustments;
    // Where the figure is a choice within or beside the Measures (DeparturesFromMeasures).
    std::vector<std::string> notes;
    bool chargedAtTopOfRange = false;

    // A fee was arrived at: the type is in the catalogue and nothing was refused or failed. Only
    // then are the bands and the adjustments filled in.
    bool priced() const { return !outcome.message && rule.rule != FeeRule::NoRule; }
};

FeeBreakdown ExplainFee(std::string_view typeText, std::string_view amountText);

}  // namespace zq
