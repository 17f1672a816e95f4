// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/local_figures.h"

namespace zq::cli {

// A local figure as --figure and --set-figure give it, "TYPE=YUAN": the type found from its name
// as a lawyer types it, the figure in whole yuan within the type's range. Sets it, or says why
// not. "TYPE=" clears the type's figure.
std::optional<std::string> SetFigure(std::string_view option, LocalFigures& figures);

}  // namespace zq::cli
