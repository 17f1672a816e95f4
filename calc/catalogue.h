// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "calc/fee_rule.h"

// The fixed three-level catalogue: case class, case kind, case type. Entries are identified by
// their exact display text (UTF-8), compared code unit for code unit, with no trimming.
namespace zq::catalogue {

inline constexpr int kClassCount = 2;

struct CaseType {
    std::string_view text;
    RuleChoice choice;
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

// The rule of the type whose text is exactly typeText; NoRule when it is not a type.
RuleChoice RuleOfType(std::string_view typeText);

}  // namespace zq::catalogue
