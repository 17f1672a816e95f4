// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "calc/fee_split.h"

namespace zq::cli {

// The fee and the two shares, each with its capitals, and the reminder that the court decides.
std::string RenderSplit(const FeeSplit& split, std::string_view awarded);

// {"type", "amount", "awarded", "fee", "fee_capitals", "plaintiff_share",
//  "plaintiff_share_capitals", "defendant_share", "defendant_share_capitals", "basis", "message"}
std::string SplitJson(std::string_view type, std::string_view awarded, const FeeSplit& split);

}  // namespace zq::cli
