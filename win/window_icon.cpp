// SPDX-License-Identifier: MIT
#include "win/window_icon.h"

#include "win/resource_ids.h"

namespace zq::win {
namespace {

void Replace(HWND window, WPARAM which, HICON icon) {
    const auto old = reinterpret_cast<HICON>(
        SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon)));
    if (old != nullptr) {
        DestroyIcon(old);
    }
}

HICON Load(HINSTANCE instance, int side) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(ZQ_ICON_MAIN), IMAGE_ICON, side,
                                         side, LR_DEFAULTCOLOR));
}

}  // namespace

void SetWindowIcons(HWND window, HINSTANCE instance, UINT dpi) {
    if (instance == nullptr) {
        Replace(window, ICON_SMALL, nullptr);
        Replace(window, ICON_BIG, nullptr);
        return;
    }
    Replace(window, ICON_SMALL, Load(instance, GetSystemMetricsForDpi(SM_CXSMICON, dpi)));
    Replace(window, ICON_BIG, Load(instance, GetSystemMetricsForDpi(SM_CXICON, dpi)));
}

}  // namespace zq::win
