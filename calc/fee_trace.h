// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zq {

// The graduated scales of the Measures (calc/scales.h).
enum class ScaleId { None, Property, Divorce, Personality, Preservation, Enforcement };

// What a fee rule did, recorded while it ran, for the step-by-step explanation: nothing in it is
// worked out again afterwards.
struct FeeTrace {
    ScaleId scale = ScaleId::None;  // the scale the rule priced from
    std::string scaleFee;           // the fee text the scale left, before any adjustment
    int divisor = 0;                // 3 for a payment order's third, 2 for bankruptcy's half
    double quotient = 0;            // the scale's fee divided, before rounding
    double rounded = 0;             // the quotient to the fen, halves to the even fen
    long long cap = 0;              // the cap that took effect; 0 when none did
    bool figureUsed = false;        // the rule charged its figure: a fixed fee, a scale's base, or
                                    // the fee of a case without an amount
};

}  // namespace zq
