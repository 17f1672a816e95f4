// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace zq {

// Which of the two fees the Measures charge for a case type.
enum class FeeKind {
    AcceptanceFee,   // 案件受理费, Article 13
    ApplicationFee,  // 申请费, Article 14
};

// Where a type's fee stands in the Measures. Where the Measures give a range for a fixed fee,
// rangeLow is its lower end (the rule charges the top); 0 when there is no range.
struct LegalBasis {
    FeeKind kind = FeeKind::AcceptanceFee;
    std::string_view article;  // "第十三条第（一）项"
    int rangeLow = 0;
    int rangeHigh = 0;
};

// The basis of a catalogue type; an empty article for a text that is not a type.
LegalBasis LegalBasisOf(std::string_view typeText);

}  // namespace zq
