// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

#include "calc/basis.h"
#include "calc/fee_rule.h"
#include "calc/fee_trace.h"

namespace zq {

// Where the figure for a case is a choice within or beside the Measures rather than what they
// prescribe outright. The fee itself is what ComputeFee gives; these only say where it comes
// from.
enum class Departure {
    FigureBelowTop,          // the catalogue's figure is within the range but not its top
    LocalFigure,             // a court's local figure within the range was charged
    PublicSummonsAsPayment,  // a public summons priced as a payment order, not Article 14 (四)
    ThirdRoundedHalfEven,    // exact half fen of a third go to the even fen
    HalfRoundedHalfEven,     // exact half fen of a half go to the even fen
    AgencyEnforcement,  // an agency enforcing its own decision pays none (行政强制法 第六十条)
};

// The departures of a case the rule priced, from what it recorded; `local` when the figure in the
// choice is a court's local figure.
std::vector<Departure> DeparturesOf(std::string_view typeText, const RuleChoice& choice,
                                    const LegalBasis& basis, const FeeTrace& trace, bool local);

}  // namespace zq
