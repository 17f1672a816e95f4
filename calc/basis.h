// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace zq {

// Which of the two fees the Measures charge for a case type.
enum class FeeKind {
    AcceptanceFee,   // 案件受理费, Article 13
    ApplicationFee,  // 申请费, Article 14
};

// Where the Measures give a range for a fee ("每件交纳50元至300元"), and the article that gives
// it; both ends 0 when they do not.
struct FeeRange {
    int low = 0;
    int high = 0;
    std::string_view article;
    bool withoutAmount = false;  // the range is for a case without an amount
    constexpr bool given() const { return high != 0; }
};

// Where a type's fee stands in the Measures, held in the type's catalogue row. The range is that
// of the rule's figure (RuleChoice::figure), where the Measures give one.
struct LegalBasis {
    FeeKind kind = FeeKind::AcceptanceFee;
    std::string_view article;  // "第十三条第（一）项"
    FeeRange range;
};

// The basis of a catalogue type; an empty article for a text that is not a type.
LegalBasis LegalBasisOf(std::string_view typeText);

// Whether the type's fee is an acceptance fee (Article 13), which halving, appeals, retrials,
// changes of claim and most refunds are about; not for an application fee (Article 14), nor for a
// text that is not a type.
bool IsAcceptanceFee(std::string_view typeText);

}  // namespace zq
