// SPDX-License-Identifier: MIT
#pragma once

#include "calc/fee_rule.h"
#include "calc/fee_stage.h"

// The fee rules. Each leaves its result in the fee text of the stage; the Calculate command then
// formats it. Any failure of a conversion or an arithmetic step raises CalcFailure.
namespace zq::rules {

void PropertyScale(FeeStage& stage);
void PaymentOrderThird(FeeStage& stage);
void BankruptcyHalf(FeeStage& stage);
void IntellectualProperty(FeeStage& stage, int withoutAmount);
// The figure of each rule that has one (see RuleChoice) is given to it.
void DivorceScale(FeeStage& stage, int base);
void PersonalityScale(FeeStage& stage, int base);
void PreservationScale(FeeStage& stage);
void EnforcementScale(FeeStage& stage, int withoutAmount);
void FlatFee(FeeStage& stage, int yuan);

// Runs the rule a case type selected; NoRule writes nothing.
void Apply(const RuleChoice& choice, FeeStage& stage);

}  // namespace zq::rules
