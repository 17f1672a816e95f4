// SPDX-License-Identifier: MIT
#pragma once

namespace zq {

// The computation a case type selects.
enum class FeeRule {
    NoRule,
    PropertyScale,
    PaymentOrderThird,
    BankruptcyHalf,
    IntellectualProperty,
    DivorceScale,
    PersonalityScale,
    PreservationScale,
    EnforcementScale,
    FlatFee,
};

// A type's rule, with the figure in yuan it charges where the Measures give one or a range: the
// whole fee of a FlatFee; the fee of an IntellectualProperty or EnforcementScale case without an
// amount; the base of the DivorceScale and PersonalityScale. 0 for the other rules. The catalogue
// gives each type's figure; a court's local figure within the range may take its place.
struct RuleChoice {
    FeeRule rule = FeeRule::NoRule;
    int figure = 0;

    friend bool operator==(const RuleChoice&, const RuleChoice&) = default;
};

}  // namespace zq
