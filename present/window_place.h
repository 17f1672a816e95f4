// SPDX-License-Identifier: MIT
#pragma once

#include "present/form_layout.h"

// Where the fee-rules window opens, in the screen's pixels, the same arithmetic for every window
// system: rectangles are frames (title bar and borders included) and the screen's work area.
namespace zq::present {

struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

// The top-left corner of the fee-rules window's frame (`width` by `height`) beside the
// calculator's frame: right of it where the work area allows, else left of it, else against the
// work area's edge on the side that leaves more of the calculator's controls (`controls`, on the
// screen) uncovered; its frame and margins may be covered. The top is level with the
// calculator's, kept on the work area.
Point BesideOf(const Rect& calculator, const Rect& controls, int width, int height,
               const Rect& work);

}  // namespace zq::present
