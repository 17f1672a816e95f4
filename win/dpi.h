// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "present/form_layout.h"

namespace zq::win {

// The layout is in pixels at 96 DPI; on a monitor at 125 %, 150 % or 200 % every place, size and
// the font grow with it. Positions and sizes are scaled each on its own, so a control keeps the
// table's size whatever its place.
class Dpi {
  public:
    explicit Dpi(UINT dpi = USER_DEFAULT_SCREEN_DPI) : dpi_(dpi) {}

    UINT value() const { return dpi_; }
    int operator()(int pixels) const {
        return MulDiv(pixels, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
    }
    RECT operator()(const present::Rect& rect) const {
        const int left = (*this)(rect.x);
        const int top = (*this)(rect.y);
        return {left, top, left + (*this)(rect.width), top + (*this)(rect.height)};
    }

  private:
    UINT dpi_;
};

// The frame that holds a client area of the table's size at this DPI.
SIZE FrameSize(int clientWidth, int clientHeight, HWND window, Dpi dpi);

// 宋体 (SimSun) 9 pt, the Chinese Windows dialog font; where it is missing, the system's message
// font, both at the given DPI. The caller deletes it.
HFONT CreateUiFont(Dpi dpi);

// The width of a text in a font, in pixels.
int TextWidth(HWND window, HFONT font, const wchar_t* text, int length);

}  // namespace zq::win
