// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "runtime/number_text.h"
#include "runtime/numeric_text.h"

namespace zq {

// The fee as it passes through the stages of a rule: each stage writes the fee as text and the
// next reads that text back, and the amount is read afresh from its text whenever it is needed.
// Keeping the text between stages is what makes 10001 yuan cost 50.03, not 50.02.
class FeeStage {
  public:
    FeeStage(std::string_view amountText, std::string& feeText)
        : amountText_(amountText), fee_(feeText) {}

    double Amount() const { return TextToNumber(amountText_); }
    double Fee() const { return TextToNumber(fee_); }

    void WriteComputed(double fee) { fee_ = NumberToText(fee); }
    void WriteConstant(long long yuan) { fee_ = WholeToText(yuan); }

  private:
    std::string_view amountText_;
    std::string& fee_;
};

}  // namespace zq
