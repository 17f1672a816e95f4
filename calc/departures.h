// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

namespace zq {

// Where the catalogue's figure for a case is a choice within or beside the Measures rather than
// what they prescribe outright. The fee itself is what ComputeFee gives; these only say where it
// comes from.
enum class Departure {
    EnforcementWithoutAmount,  // 50 yuan, where Article 14 (一) 1 allows 50 to 500
    PublicSummonsAsPayment,    // a public summons priced as a payment order, not Article 14 (四)
    ThirdRoundedHalfEven,      // exact half fen of a third go to the even fen
    HalfRoundedHalfEven,       // exact half fen of a half go to the even fen
    RecognitionAtHundred,      // 100 yuan, where Article 14 (一) 1 allows 50 to 500
};

// The departures of a priced case, for its amount as the Calculate command read it; empty for a
// type not in the catalogue and for an amount not numeric.
std::vector<Departure> DeparturesFromMeasures(std::string_view typeText,
                                              std::string_view amountText);

}  // namespace zq
