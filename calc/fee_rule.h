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

// A type's rule, with its fixed fee in yuan: the fee of a FlatFee, and the fee of an
// IntellectualProperty case without an amount (0 for the other rules).
struct RuleChoice {
    FeeRule rule = FeeRule::NoRule;
    int flatFee = 0;

    friend bool operator==(const RuleChoice&, const RuleChoice&) = default;
};

}  // namespace zq
