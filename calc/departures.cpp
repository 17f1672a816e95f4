// SPDX-License-Identifier: MIT
#include "calc/departures.h"

namespace zq {

std::vector<Departure> DeparturesOf(std::string_view typeText, const RuleChoice& choice,
                                    const LegalBasis& basis, const FeeTrace& trace, bool local) {
    std::vector<Departure> notes;
    if (trace.figureUsed && basis.range.given()) {
        if (local) {
            notes.push_back(Departure::LocalFigure);
        } else if (choice.figure != basis.range.high) {
            notes.push_back(Departure::FigureBelowTop);
        }
    }
    if (choice.rule == FeeRule::PaymentOrderThird) {
        notes.push_back(Departure::PublicSummonsAsPayment);
        notes.push_back(Departure::ThirdRoundedHalfEven);
    } else if (choice.rule == FeeRule::BankruptcyHalf) {
        notes.push_back(Departure::HalfRoundedHalfEven);
    }
    if (typeText == "1、行政执行案件") {
        notes.push_back(Departure::AgencyEnforcement);
    }
    return notes;
}

}  // namespace zq
