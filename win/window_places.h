// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "present/form_layout.h"

namespace zq::win {

// The work area (the monitor less the taskbar) of the monitor that holds most of the window.
RECT WorkAreaOf(HWND window);

// The top-left corner of a frame centred on the work area, never above or left of it.
POINT CentredIn(const RECT& work, SIZE frame);

// A rectangle in the screen's pixels as present/ takes it.
inline present::Rect ToRect(const RECT& rect) {
    return {static_cast<int>(rect.left), static_cast<int>(rect.top),
            static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top)};
}

}  // namespace zq::win
