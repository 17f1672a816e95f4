// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <vector>

#include "present/explanation.h"

namespace zq::ui {

// The fee field's tooltip: the calculator's explanation as rich text for the pointer. A step keeps
// to one line, so the tooltip is as wide as the longest step; a sentence wraps at that width; the
// result lines are bold. Empty when there is no explanation.
QString FeeTooltip(const std::vector<present::ExplanationLine>& lines);

}  // namespace zq::ui
