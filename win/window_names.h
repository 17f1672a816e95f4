// SPDX-License-Identifier: MIT
#pragma once

#include "present/form_layout.h"

// What the two windows are called by Windows, shared with the tests that find and drive them.
namespace zq::win {

inline constexpr wchar_t kForm1Class[] = L"ZorvikQuillet.Form1";
inline constexpr wchar_t kForm2Class[] = L"ZorvikQuillet.Form2";

// A control's ID is 1000 and its tab index: IsDialogMessage sends IDOK (1) and IDCANCEL (2) for
// Enter and Esc, which must press no control.
constexpr int ControlId(const present::ControlPlace& place) { return 1000 + place.tabIndex; }
inline constexpr int kText1Id = 1000;

}  // namespace zq::win
