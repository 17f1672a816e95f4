// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

namespace zq::win {

// The calculator's icon in the title bar, the taskbar and Alt+Tab, loaded at the sizes the
// window's DPI asks for, so that it stays sharp on a monitor at another scale. Call again after a
// change of DPI, and with a null instance when the window goes, to free the icons.
void SetWindowIcons(HWND window, HINSTANCE instance, UINT dpi);

}  // namespace zq::win
