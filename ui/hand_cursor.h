// SPDX-License-Identifier: MIT
#pragma once

#include <QCursor>

namespace zq::ui {

inline constexpr int kHandCursorSize = 32;
inline constexpr int kHandHotSpotX = 6;  // the tip of the index finger
inline constexpr int kHandHotSpotY = 0;

// The pointing hand over the address label: 32 x 32, monochrome, hot spot at (6, 0).
QCursor HandCursor();

}  // namespace zq::ui
