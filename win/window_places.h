// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace zq::win {

// The work area (the monitor less the taskbar) of the monitor that holds most of the window.
RECT WorkAreaOf(HWND window);

// The top-left corner of a frame centred on the work area, never above or left of it.
POINT CentredIn(const RECT& work, SIZE frame);

// The top-left corner of the fee-rules window's frame beside the calculator's: right of it where
// the work area allows, else left of it, else against the work area's edge on the side that
// leaves more of the calculator's controls uncovered (its frame and margins may be covered). The
// top is level with the calculator's and kept on the work area.
POINT BesideOf(const RECT& calculator, const RECT& controls, SIZE frame, const RECT& work);

}  // namespace zq::win
