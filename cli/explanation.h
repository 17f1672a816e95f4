// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "calc/explain.h"

namespace zq::cli {

// The breakdown as text, one step a line, ending with the fee line; for a case without a fee,
// only the note that says why.
std::string RenderExplanation(const FeeBreakdown& breakdown);

}  // namespace zq::cli
