// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include "win/open_windows.h"

namespace zq::win {

// The window procedure of a top-level window class whose every window is one object of T, made
// with `new` and handed to CreateWindowExW as its creation parameter. The object is kept in the
// window's GWLP_USERDATA from WM_NCCREATE on, learns its window there (T::Attach), answers every
// message after it (T::Handle), and is deleted at WM_NCDESTROY, its window still valid in its
// destructor. Each such window counts itself among the program's open windows meanwhile.
template <typename T>
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->Attach(window);
        CountWindowIn();
    }
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete self;
        CountWindowOut();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

}  // namespace zq::win
