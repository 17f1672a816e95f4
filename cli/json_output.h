// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "calc/explain.h"
#include "calc/halve.h"
#include "cli/batch.h"

// One JSON object a case, on one line, for document automation. Texts that are not valid UTF-8
// are written with U+FFFD in place of the bad bytes.
namespace zq::cli {

std::string CaseJson(std::string_view type, const CaseAnswer& answer);
std::string ExplanationJson(const FeeBreakdown& breakdown);
std::string HalvingJson(std::string_view type, const HalvedFee& halving);

}  // namespace zq::cli
