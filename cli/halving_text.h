// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/halve.h"

namespace zq::cli {

// Reads "调解", "撤诉", "简易程序", "反诉" or their ASCII aliases (mediation, withdrawal, summary,
// counterclaim), several joined by "," or "、". Nothing for an unknown word or an empty list.
std::optional<std::vector<HalvingReason>> ParseHalvingReasons(std::string_view text);

// A halved fee as the command prints it: "25.02（全额 50.03，依第十五条减半交纳）".
std::string HalvedLine(const HalvedFee& halving);

// Why there is no halved fee, as the command line reports it; empty when there is one.
std::string HalvingNote(std::string_view type, const HalvedFee& halving);

}  // namespace zq::cli
