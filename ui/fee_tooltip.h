// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string_view>

namespace zq::ui {

// The fee field's tooltip after 计算: the case it describes (type and amount), then the
// calculation step by step as the core's breakdown gives
// it (basis, rule, bands, adjustments, notes), then the fee and its capitals, as rich text. Empty
// when the case has no fee (a refused amount, a failure, no type selected).
QString FeeTooltip(std::string_view typeText, std::string_view amountText);

}  // namespace zq::ui
