// SPDX-License-Identifier: MIT
#include "win/window_places.h"

#include <algorithm>

namespace zq::win {
namespace {

// How much of [left, right) a frame at x of this width covers.
LONG Covered(LONG x, LONG width, LONG left, LONG right) {
    return std::max(0L, std::min(x + width, right) - std::max(x, left));
}

LONG KeptOn(LONG position, LONG size, LONG low, LONG high) {
    return std::max(low, std::min(position, high - size));
}

}  // namespace

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

POINT BesideOf(const RECT& calculator, const RECT& controls, SIZE frame, const RECT& work) {
    const LONG top = KeptOn(calculator.top, frame.cy, work.top, work.bottom);
    if (calculator.right + frame.cx <= work.right) {
        return {calculator.right, top};
    }
    if (calculator.left - frame.cx >= work.left) {
        return {calculator.left - frame.cx, top};
    }
    const LONG right = work.right - frame.cx;
    const LONG left = work.left;
    const bool rightCoversLess = Covered(right, frame.cx, controls.left, controls.right) <=
                                 Covered(left, frame.cx, controls.left, controls.right);
    return {std::max(work.left, rightCoversLess ? right : left), top};
}

}  // namespace zq::win
