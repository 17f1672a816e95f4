// SPDX-License-Identifier: MIT
// The property scale and the rules priced from it.
#include "calc/fee_rules.h"
#include "calc/scales.h"
#include "runtime/checked_math.h"
#include "runtime/fee_rounding.h"

namespace zq::rules {

// Article 13, item (一): property cases, by the amount in dispute, in ten bands. Each band's
// closed form is evaluated multiply first, then the offset added.
void PropertyScale(FeeStage& stage) {
    const double a = stage.Amount();
    if (a <= scales::kProperty.baseUpper()) {
        stage.WriteConstant(scales::kProperty.baseFee);
        return;
    }
    for (const scales::ClosedFormBand& band : scales::kPropertyClosedForms) {
        if (a > band.lower && a <= band.upper) {
            stage.WriteComputed(checked::Add(checked::Mul(a, band.rate), band.offset));
            return;
        }
    }
}

// Article 14, item (三): a payment order costs one third of the property-scale fee, rounded to
// the fen with halves to even.
void PaymentOrderThird(FeeStage& stage) {
    PropertyScale(stage);
    stage.WriteComputed(RoundHalfEven2(checked::Div(stage.Fee(), 3)));
}

// Article 14, item (六): bankruptcy costs half the property-scale fee, at most 300000 yuan.
void BankruptcyHalf(FeeStage& stage) {
    PropertyScale(stage);
    stage.WriteComputed(RoundHalfEven2(checked::Div(stage.Fee(), 2)));
    if (stage.Fee() > 300000) {
        stage.WriteConstant(300000);
    }
}

// Article 13, item (三): an intellectual-property case with an amount follows the property scale;
// without one (amount 0) it costs 500 to 1000 yuan, charged at the top of the range.
void IntellectualProperty(FeeStage& stage) {
    PropertyScale(stage);
    if (stage.Amount() == 0) {
        stage.WriteConstant(1000);
    }
}

}  // namespace zq::rules
