// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "cli/batch.h"
#include "cli/explanation.h"
#include "cli/halving.h"

// One JSON object a case, on one line, for document automation. Texts that are not valid UTF-8
// are written with U+FFFD in place of the bad bytes.
namespace zq::cli {

std::string CaseJson(std::string_view type, const CaseAnswer& answer);
std::string ExplanationJson(const Explanation& explanation);
std::string HalvingJson(std::string_view type, const HalvingAnswer& halving);

}  // namespace zq::cli
