// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "calc/fee_rule.h"

namespace zq::present {

// A rule in words, as a lawyer reads it: "财产案件分段累计", "固定 100 元", …
std::string RuleInWords(const RuleChoice& choice);

}  // namespace zq::present
