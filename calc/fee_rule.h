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

// A type's rule, with the amount in yuan when the rule is FlatFee (0 otherwise).
struct RuleChoice {
    FeeRule rule = FeeRule::NoRule;
    int flatFee = 0;

    friend bool operator==(const RuleChoice&, const RuleChoice&) = default;
};

}  // namespace zq
