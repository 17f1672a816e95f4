// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "calc/fee_trace.h"
#include "runtime/number_text.h"
#include "runtime/numeric_text.h"

namespace zq {

// The fee as it passes through the stages of a rule: each stage writes the fee as text and the
// next reads that text back, and the amount is read afresh from its text whenever it is needed.
// Keeping the text between stages is what makes 10001 yuan cost 50.03, not 50.02. A stage given
// a trace records the rule's steps in it.
class FeeStage {
  public:
    FeeStage(std::string_view amountText, std::string& feeText, FeeTrace* trace = nullptr)
        : amountText_(amountText), fee_(feeText), trace_(trace) {}

    double Amount() const { return TextToNumber(amountText_); }
    double Fee() const { return TextToNumber(fee_); }

    void WriteComputed(double fee) { fee_ = NumberToText(fee); }
    void WriteConstant(long long yuan) { fee_ = WholeToText(yuan); }

    // The scale's fee is in the fee text now.
    void RecordScale(ScaleId scale) {
        if (trace_ != nullptr) {
            trace_->scale = scale;
            trace_->scaleFee = fee_;
        }
    }
    void RecordDivision(int divisor, double quotient, double rounded) {
        if (trace_ != nullptr) {
            trace_->divisor = divisor;
            trace_->quotient = quotient;
            trace_->rounded = rounded;
        }
    }
    void RecordCap(long long cap) {
        if (trace_ != nullptr) {
            trace_->cap = cap;
        }
    }
    // The rule charged its figure (RuleChoice::figure).
    void RecordFigure() {
        if (trace_ != nullptr) {
            trace_->figureUsed = true;
        }
    }

  private:
    std::string_view amountText_;
    std::string& fee_;
    FeeTrace* trace_;
};

}  // namespace zq
