// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <span>

namespace zq::ui {

enum class ControlKind { OptionButton, ListBox, TextBox, Button, Label };
enum class TextColour { Default, Grey, Blue };

// One control of the main window, in pixels at 96 DPI from the top-left of the client area.
// For labels the size is what the stored caption gives; labels size themselves to their text.
struct ControlSpec {
    const char* name;  // object name; arrays as Name_index ("Option1_0")
    ControlKind kind;
    const char* caption;
    QRect rect;
    int tabIndex;
    TextColour colour;
    const char* buddy = nullptr;  // for a label: the control it names, for screen readers
};

inline constexpr QSize kForm1ClientSize{369, 393};
// Six entries in a 76-pixel list, as tall as the window font's line (12 px); the two pixels left
// over stay blank, so that no partial seventh row shows.
inline constexpr int kListRowHeight = 12;
inline const QColor kGreyText{128, 128, 128};
inline const QColor kBlueText{0, 0, 255};

// Line1, the separator between the lists and the amount: (20, 236) to (340, 236), one pixel.
inline constexpr QRect kLine1Rect{20, 236, 321, 1};

// The main window's controls, in tab order.
std::span<const ControlSpec> Form1Controls();

}  // namespace zq::ui
