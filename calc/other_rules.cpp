// SPDX-License-Identifier: MIT
// The fee rules not priced from the property scale.
#include <algorithm>

#include "calc/fee_rules.h"
#include "calc/scales.h"
#include "runtime/checked_math.h"

namespace zq::rules {

using checked::Add;
using checked::Mul;
using checked::Sub;

// Article 13, item (二) 1: divorce, 50 to 300 yuan (the catalogue charges 300), plus 0.5% of the
// property above 200000.
void DivorceScale(FeeStage& stage, int base) {
    const scales::MarginalBand& above = scales::kDivorce.bands[0];
    stage.WriteConstant(base);
    stage.RecordFigure();
    const double a = stage.Amount();
    if (a > above.lower) {
        const double increment = Mul(Sub(a, above.lower), above.rate());
        stage.WriteComputed(Add(stage.Fee(), increment));
    }
    stage.RecordScale(ScaleId::Divorce);
}

// Article 13, item (二) 2: personality rights, 100 to 500 yuan (the catalogue charges 500), plus 1%
// of the damages from 50000 to 100000 and 0.5% of the damages above 100000. Above 100000 the fee
// is the base, the whole first band and the part above, added in this order.
void PersonalityScale(FeeStage& stage, int base) {
    const auto& [first, second] = scales::kPersonality.bands;
    stage.WriteConstant(base);
    stage.RecordFigure();
    const double a = stage.Amount();
    if (a > first.lower && a <= first.upper) {
        const double increment = Mul(Sub(a, first.lower), first.rate());
        stage.WriteComputed(Add(stage.Fee(), increment));
    } else if (a > second.lower) {
        const double increment = Mul(Sub(a, second.lower), second.rate());
        stage.WriteComputed(Add(Add(stage.Fee(), first.whole()), increment));
    }
    stage.RecordScale(ScaleId::Personality);
}

// Article 14, item (二): preservation, 30 yuan up to 1000, 1% of the part up to 100000, 0.5% above
// it, at most 5000 yuan.
void PreservationScale(FeeStage& stage) {
    const double a = stage.Amount();
    if (a <= scales::kPreservation.baseUpper()) {
        stage.WriteConstant(scales::kPreservation.baseFee);
    } else {
        for (const scales::ClosedFormBand& band : scales::kPreservationClosedForms) {
            if (a <= band.upper) {
                stage.WriteComputed(Add(Mul(a, band.rate), band.offset));
                break;
            }
        }
    }
    stage.RecordScale(ScaleId::Preservation);
    if (stage.Fee() > static_cast<double>(scales::kPreservationCap)) {
        stage.WriteConstant(scales::kPreservationCap);
        stage.RecordCap(scales::kPreservationCap);
    }
}

// Article 14, item (一): enforcement without an amount, 50 to 500 yuan (item 1; the catalogue
// charges 50); with one, 50 yuan up to 10000, then 1.5%, 1%, 0.5% and 0.1% of the parts of the
// amount in each band (item 2).
void EnforcementScale(FeeStage& stage, int withoutAmount) {
    const double a = stage.Amount();
    if (a == 0) {
        stage.WriteConstant(withoutAmount);
        stage.RecordFigure();
        return;
    }
    stage.WriteConstant(scales::kEnforcement.baseFee);
    if (a <= scales::kEnforcement.baseUpper()) {
        stage.RecordScale(ScaleId::Enforcement);
        return;
    }
    double increment = 0;
    for (const scales::MarginalBand& band : scales::kEnforcement.bands) {
        if (a <= band.lower) {
            break;
        }
        const double part = a > band.upper
                                ? band.whole()
                                : Mul(Sub(std::min(a, band.upper), band.lower), band.rate());
        increment = Add(increment, part);
    }
    stage.WriteComputed(Add(stage.Fee(), increment));
    stage.RecordScale(ScaleId::Enforcement);
}

// Article 13, items (二) 3 to (六), and Article 14, items (五) and (七): fixed fees, the top of
// the range where the Measures give one. The amount is never read.
void FlatFee(FeeStage& stage, int yuan) {
    stage.WriteConstant(yuan);
    stage.RecordFigure();
}

void Apply(const RuleChoice& choice, FeeStage& stage) {
    switch (choice.rule) {
        case FeeRule::NoRule:
            return;
        case FeeRule::PropertyScale:
            return PropertyScale(stage);
        case FeeRule::PaymentOrderThird:
            return PaymentOrderThird(stage);
        case FeeRule::BankruptcyHalf:
            return BankruptcyHalf(stage);
        case FeeRule::IntellectualProperty:
            return IntellectualProperty(stage, choice.figure);
        case FeeRule::DivorceScale:
            return DivorceScale(stage, choice.figure);
        case FeeRule::PersonalityScale:
            return PersonalityScale(stage, choice.figure);
        case FeeRule::PreservationScale:
            return PreservationScale(stage);
        case FeeRule::EnforcementScale:
            return EnforcementScale(stage, choice.figure);
        case FeeRule::FlatFee:
            return FlatFee(stage, choice.figure);
    }
}

}  // namespace zq::rules
