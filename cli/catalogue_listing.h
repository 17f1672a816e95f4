// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "calc/fee_rule.h"

namespace zq::cli {

// A rule in words, as a lawyer reads it: "财产案件分段累计", "固定 100 元", …
std::string RuleInWords(const RuleChoice& choice);

// The catalogue as a tree: class, then its kinds indented by two spaces, then their types by four,
// each type followed by a TAB and its rule in words.
std::string CatalogueTree();

}  // namespace zq::cli
