// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

namespace zq::win {

enum class AccessibleText { Name, Description };

// Tells Windows' accessibility layer a control's name or description where the control cannot
// say it itself, and that it changed. Without the annotation service (or under a system that
// lacks it) nothing is told.
void SetAccessibleText(HWND control, AccessibleText which, const std::wstring& text);

}  // namespace zq::win
