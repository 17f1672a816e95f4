// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zq {

// Where the catalogue's figure for a case is a choice within or beside the Measures rather than
// what they prescribe outright, one sentence each, for the step-by-step calculation. The fee
// itself is what ComputeFee gives; these only say where it comes from:
//  - enforcement without an amount: 50 yuan, where Article 14 (一) 1 allows 50 to 500;
//  - "1、支付令、公示催告案件": a public summons priced like a payment order, a third of the
//    property scale, where Article 14 (四) sets 100 yuan a case;
//  - recognition of a foreign judgment or of a Taiwan ruling: 100 yuan, where Article 14 (一) 1
//    allows 50 to 500;
//  - payment-order thirds and bankruptcy halves: exact half-fen results go to the even fen, a
//    rounding the Measures do not state.
// Empty for every other case, for a type not in the catalogue and for an amount not numeric.
std::vector<std::string> DeparturesFromMeasures(std::string_view typeText,
                                                std::string_view amountText);

}  // namespace zq
