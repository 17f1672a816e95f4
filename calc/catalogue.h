// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <span>
#include <string_view>
#include <vector>

#include "calc/basis.h"
#include "calc/fee_rule.h"

// The fixed three-level catalogue: case class, case kind, case type. Entries are identified by
// their exact display text (UTF-8), compared code unit for code unit, with no trimming.
namespace zq::catalogue {

inline constexpr int kClassCount = 2;
// The classes by index: 0 litigation (mostly Article 13), 1 non-litigation (Article 14).
inline constexpr std::array<std::string_view, kClassCount> kClassTexts{"诉讼类", "非诉讼类"};

// Types that rules beyond the fee itself name: who prepays, who bears the fee, whether an appeal
// pays.
inline constexpr std::string_view kJurisdictionObjection = "7、管辖异议不成立";
inline constexpr std::string_view kLabourDispute = "6、劳动争议案件";

// A type names its rule and its basis in the Measures together: a row without a basis does not
// compile.
struct CaseType {
    constexpr CaseType(std::string_view text, RuleChoice choice, LegalBasis basis)
        : text(text), choice(choice), basis(basis) {}
    std::string_view text;
    RuleChoice choice;
    LegalBasis basis;
};

struct CaseKind {
    int classIndex;
    std::string_view text;
    std::span<const CaseType> types;
};

// "诉讼类" for 0, "非诉讼类" for 1, empty for any other index.
std::string_view ClassText(int classIndex);

// Every kind, class 0's first, in display order.
std::span<const CaseKind> AllKinds();

// The kinds of a class in display order; empty for an index other than 0 or 1.
std::vector<std::string_view> KindsOfClass(int classIndex);

// The types of the first kind whose text is exactly kindText; empty when none matches.
std::vector<std::string_view> TypesOfKind(std::string_view kindText);

// The type whose text is exactly typeText; null when it is not a type.
const CaseType* FindType(std::string_view typeText);

// The rule of the type whose text is exactly typeText; NoRule when it is not a type.
RuleChoice RuleOfType(std::string_view typeText);

}  // namespace zq::catalogue
