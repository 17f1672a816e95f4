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
    } else {
        for (const scales::ClosedFormBand& band : scales::kPropertyClosedForms) {
            if (a > band.lower && a <= band.upper) {
                stage.WriteComputed(checked::Add(checked::Mul(a, band.rate), band.offset));
                break;
            }
        }
    }
    stage.RecordScale(ScaleId::Property);
}

namespace {

// The property scale's fee divided, to the fen with halves to the even fen.
void DivideScaleFee(FeeStage& stage, int divisor) {
    PropertyScale(stage);
    const double quotient = checked::Div(stage.Fee(), divisor);
    const double rounded = RoundHalfEven2(quotient);
    stage.WriteComputed(rounded);
    stage.RecordDivision(divisor, quotient, rounded);
}

}  // namespace

// Article 14, item (三): a payment order costs one third of the property-scale fee, rounded to
// the fen with halves to even.
void PaymentOrderThird(FeeStage& stage) { DivideScaleFee(stage, 3); }

// Article 14, item (六): bankruptcy costs half the property-scale fee, at most 300000 yuan.
void BankruptcyHalf(FeeStage& stage) {
    DivideScaleFee(stage, 2);
    if (stage.Fee() > static_cast<double>(scales::kBankruptcyCap)) {
        stage.WriteConstant(scales::kBankruptcyCap);
        stage.RecordCap(scales::kBankruptcyCap);
    }
}

// Article 13, item (三): an intellectual-property case with an amount follows the property scale;
// without one (amount 0) it costs 500 to 1000 yuan (the catalogue charges 1000).
void IntellectualProperty(FeeStage& stage, int withoutAmount) {
    PropertyScale(stage);
    if (stage.Amount() == 0) {
        stage.WriteConstant(withoutAmount);
        stage.RecordFigure();
    }
}

}  // namespace zq::rules
