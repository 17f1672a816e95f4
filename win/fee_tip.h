// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "present/explanation.h"
#include "win/dpi.h"

namespace zq::win {

// The fee's explanation as the fee box's tooltip, in plain text: the calculation step by step,
// a step to a line, the sentences wrapped at the width of the widest step (and never wider than
// the screen). No fee, no explanation: no tip. From the keyboard, F1 in the fee box shows the same
// tip below the box until the box loses the focus.
class FeeTip {
  public:
    void Create(HWND owner, HWND feeBox);
    // The window's font at its DPI; the lines are measured and wrapped again.
    void SetFont(HFONT font, Dpi dpi);
    void Show(const std::vector<present::ExplanationLine>& lines);
    // F1 (WM_HELP) in the fee box, and the box losing the focus.
    void ShowFromKeyboard();
    void HideFromKeyboard();

  private:
    void Apply();
    TTTOOLINFOW Tool(bool tracked);

    HWND tip_ = nullptr;
    HWND owner_ = nullptr;
    HWND box_ = nullptr;
    HFONT font_ = nullptr;
    Dpi dpi_;
    std::vector<present::ExplanationLine> lines_;
    std::wstring text_;
};

}  // namespace zq::win
