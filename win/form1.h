// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "present/calculator.h"
#include "present/form_layout.h"
#include "win/dpi.h"
#include "win/fee_tip.h"
#include "win/list_rows.h"

namespace zq::win {

// The calculator window: the controls of present::Form1Controls() as Windows' own controls, in
// the table's places and tab order. Each control's notification goes to present::Calculator,
// after which the window shows what the calculator holds; it decides nothing itself.
class Form1 {
  public:
    // Creates the window, runs Form_Load, and shows it centred on its monitor's work area.
    static HWND Open(HINSTANCE instance, int show);
    // The calculator while it is open, else null.
    static HWND Window();

  private:
    struct Placed {
        const present::ControlPlace* place;
        HWND control;
    };

    template <typename T>
    friend LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    explicit Form1(HINSTANCE instance) : instance_(instance) {}
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;
    void Attach(HWND window);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls();
    HWND CreateControl(const present::ControlPlace& place);
    void ApplyDpi(Dpi dpi);
    void OnCommand(HWND control, int code);
    void Calculate();
    // Shows what the calculator holds: the class on, the lists and their selections, the tip,
    // and with `boxes` the two text boxes (not while the user is typing in them).
    void Show(bool boxes);
    void SetBoxText(HWND box, const std::string& text);
    LRESULT LabelColours(HDC dc, HWND label);
    void PaintLine1();
    void OnActivate(bool active);
    RECT ControlsOnScreen() const;
    const present::ControlPlace* PlaceOf(HWND control) const;

    HINSTANCE instance_;
    HWND window_ = nullptr;
    present::Calculator calculator_;
    Dpi dpi_;
    HFONT font_ = nullptr;
    std::vector<Placed> placed_;  // in the order created: each label just before what it names
    std::array<HWND, 2> option1_{};
    HWND list1_ = nullptr;
    HWND list2_ = nullptr;
    HWND txtBd_ = nullptr;
    HWND txtFysf_ = nullptr;
    HWND command1_ = nullptr;
    HWND command2_ = nullptr;
    HWND command3_ = nullptr;
    HWND address_ = nullptr;  // Label2_1, the maker's address, a link
    int kindsShown_ = -1;
    int typesShown_ = -1;
    bool settingText_ = false;  // the window's own WM_SETTEXT, which is no typing
    HWND lastFocus_ = nullptr;
    std::string described_;  // the fee box's description, as last told
    FeeTip feeTip_;
    ListRowTips rowTips_;
};

}  // namespace zq::win
