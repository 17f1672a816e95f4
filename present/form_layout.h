// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

// The two windows as data: every control's name, kind, caption, place and tab order, in pixels at
// 96 DPI from the top-left of the client area. The Qt window and the Windows window build
// themselves from it, and the page's markup and style sheet are generated from it.
namespace zq::present {

enum class ControlKind { OptionButton, ListBox, TextBox, Button, Label };
enum class TextColour { Default, Grey, Blue };

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// One control of the main window. For labels the size is what the stored caption gives in the
// window's font; labels size themselves to their text.
struct ControlPlace {
    std::string_view name;  // arrays as Name_index ("Option1_0")
    ControlKind kind;
    std::string_view caption;
    Rect rect;
    int tabIndex;
    TextColour colour;
    std::string_view buddy;  // for a label: the control it names, for screen readers
};

inline constexpr std::string_view kForm1Title = "ZorvikQuillet v2.0";
inline constexpr int kForm1Width = 369;
inline constexpr int kForm1Height = 393;
// Six entries in a 76-pixel list, as tall as the window font's line (12 px); the two pixels left
// over stay blank, so that no partial seventh row shows.
inline constexpr int kListRowHeight = 12;
// The grey of the credit line and the note: the lightest grey that keeps a contrast of 4.5:1
// against the window's face (239 grey in Qt, 240 on Windows), as small text needs to be read.
inline constexpr Rgb kGreyText{108, 108, 108};
inline constexpr Rgb kBlueText{0, 0, 255};
// Line1, the separator between the lists and the amount: (20, 236) to (340, 236), one pixel.
inline constexpr Rect kLine1{20, 236, 321, 1};
// What a screen reader calls it.
inline constexpr std::string_view kLine1Name = "分隔线";

// The maker's web address: as the address label shows it, and as the bare host handed to the
// desktop. A host under the reserved example domain, so no real site is ever opened.
inline constexpr std::string_view kMakerAddressShown = "http://zorvik.example";
inline constexpr std::string_view kMakerHost = "zorvik.example";

// The main window's controls, in tab order.
std::span<const ControlPlace> Form1Controls();

// The fee-rules window: one read-only text box that fills it.
inline constexpr std::string_view kForm2Title = "收费细则";
inline constexpr int kForm2Width = 346;
inline constexpr int kForm2Height = 347;
inline constexpr Rect kText1{0, 0, 345, 345};
// The box has no label: a screen reader names it after the text it holds.
inline constexpr std::string_view kText1Name = "诉讼费用交纳办法";

}  // namespace zq::present
