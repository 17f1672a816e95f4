// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/legal_basis.h"

namespace zq::cli {

// One band of a graduated scale: the part of the amount inside it, its rate and its fee.
struct BandStep {
    std::string label;   // "超过1万元至10万元的部分"
    std::string part;    // "90000" (yuan); empty for the base fee of the first band
    std::string rate;    // "2.5%"; empty for the base fee
    std::string amount;  // "2250.00"
};

// The calculation as a lawyer writes it: the rule and its basis, the bands with their parts,
// the adjustments, and the fee exactly as the window shows it.
struct Explanation {
    std::string type;
    std::string amountText;  // as the calculation left it ("0" for an empty amount)
    LegalBasis basis;
    std::string ruleWords;
    std::vector<BandStep> bands;
    std::string bandsTotal;  // what the bands add up to, to the fen; empty without bands
    std::vector<std::string> adjustments;
    std::string fee;   // as the window shows it; empty when there is none
    std::string note;  // the message when there is no fee
    bool chargedAtTopOfRange = false;
};

Explanation ExplainFee(std::string_view typeText, std::string_view amountText);

// The explanation as text, one step a line, ending with the fee line.
std::string RenderExplanation(const Explanation& explanation);

}  // namespace zq::cli
