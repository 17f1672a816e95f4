// SPDX-License-Identifier: MIT
#include "present/case_summary.h"

#include "present/case_notes.h"
#include "present/explanation.h"
#include "present/extras_texts.h"

namespace zq::present {

std::string SummaryLine(const FeeBreakdown& breakdown) {
    return "标的金额 " + breakdown.outcome.amountText + " 元，法院收费 " +
           breakdown.outcome.feeText;
}

std::string ShareText(const FeeBreakdown& breakdown, const HalvedFee* halving) {
    const BreakdownWords words = WordsOf(breakdown);
    std::string text = breakdown.type + "：标的金额 " + breakdown.outcome.amountText + " 元，" +
                       words.feeKind + " " + WithCapitals(breakdown.outcome.feeText) +
                       "，依《诉讼费用交纳办法》" + words.article + "。";
    if (halving != nullptr && halving->done()) {
        text += "减半后：" + WithCapitals(halving->halved->Text()) + "（依" +
                ArticlesText(halving->articles) + "减半交纳）。";
    }
    return text;
}

}  // namespace zq::present
