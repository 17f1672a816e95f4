// SPDX-License-Identifier: MIT
#include "win/window_places.h"

#include <algorithm>

namespace zq::win {

RECT WorkAreaOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

POINT CentredIn(const RECT& work, SIZE frame) {
    return {work.left + std::max(0L, (work.right - work.left - frame.cx) / 2),
            work.top + std::max(0L, (work.bottom - work.top - frame.cy) / 2)};
}

}  // namespace zq::win
