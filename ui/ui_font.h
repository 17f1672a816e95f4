// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

namespace zq::ui {

// The user-interface font for Simplified Chinese at 9 pt (12 px at 96 DPI): WenQuanYi Zen Hei
// Sharp, drawn from its 12-pixel bitmap strike at 1x, else the first CJK family the system has,
// else the system's default family.
QFont ChineseUiFont();

}  // namespace zq::ui
