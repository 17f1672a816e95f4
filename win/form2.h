// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

#include "win/dpi.h"

namespace zq::win {

// The fee-rules window (收费细则): the text of the Measures in a read-only text box, which can be
// selected and copied. There is one at most. It belongs to no other window, so it stays open when
// the calculator closes.
class Form2 {
  public:
    // Opens the window beside the calculator (whose controls are at `controls` on the screen),
    // or brings the open one back, restored if minimised, and to the front.
    static void Show(HINSTANCE instance, HWND calculator, const RECT& controls);

  private:
    template <typename T>
    friend LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    explicit Form2(HINSTANCE instance) : instance_(instance) {}
    ~Form2();
    Form2(const Form2&) = delete;
    Form2& operator=(const Form2&) = delete;
    void Attach(HWND window);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate();
    void ApplyDpi(Dpi dpi);

    HINSTANCE instance_;
    HWND window_ = nullptr;
    HWND text1_ = nullptr;
    HFONT font_ = nullptr;
    Dpi dpi_;
};

// The Measures as the program carries them (UTF-8 with CR LF), in UTF-16 for the text box.
std::wstring MeasuresText(HINSTANCE instance);

}  // namespace zq::win
