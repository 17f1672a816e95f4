// SPDX-License-Identifier: MIT
#include "win/form2.h"

#include <commctrl.h>

#include "present/form_layout.h"
#include "present/window_place.h"
#include "win/accessible_text.h"
#include "win/resource_ids.h"
#include "win/wide_text.h"
#include "win/window_icon.h"
#include "win/window_names.h"
#include "win/window_places.h"
#include "win/window_proc.h"

namespace zq::win {
namespace {

HWND current = nullptr;

// Fixed in size, as the calculator; it may be minimised on its own.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

}  // namespace

std::wstring MeasuresText(HINSTANCE instance) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(ZQ_MEASURES_TEXT), RT_RCDATA);
    HGLOBAL loaded = found != nullptr ? LoadResource(instance, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return {};  // linked into the program: cannot be missing
    }
    return Wide(std::string_view(static_cast<const char*>(bytes), SizeofResource(instance, found)));
}

void Form2::Show(HINSTANCE instance, HWND calculator, const RECT& controls) {
    if (current != nullptr) {
        if (IsIconic(current)) {
            ShowWindow(current, SW_RESTORE);
        }
        SetForegroundWindow(current);
        return;
    }
    static const bool registered = [instance] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = WindowProc<Form2>;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = kForm2Class;
        return RegisterClassExW(&windowClass) != 0;
    }();
    if (!registered) {
        return;
    }
    // Sized at the calculator's DPI and placed beside it; a window that lands on a monitor of
    // another scale takes that monitor's DPI in WM_CREATE and sizes itself again.
    auto* form = new Form2(instance);
    const Dpi dpi(GetDpiForWindow(calculator));
    RECT frame{0, 0, dpi(present::kForm2Width), dpi(present::kForm2Height)};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, 0, dpi.value());
    const SIZE size{frame.right - frame.left, frame.bottom - frame.top};
    RECT beside;
    GetWindowRect(calculator, &beside);
    const present::Point at = present::BesideOf(ToRect(beside), ToRect(controls), size.cx, size.cy,
                                                ToRect(WorkAreaOf(calculator)));
    HWND window = CreateWindowExW(0, kForm2Class, Wide(present::kForm2Title).c_str(), kStyle, at.x,
                                  at.y, size.cx, size.cy, nullptr, nullptr, instance, form);
    if (window != nullptr) {
        ShowWindow(window, SW_SHOWNORMAL);
        SetForegroundWindow(window);
    }
}

void Form2::Attach(HWND window) {
    window_ = window;
    current = window;
}

Form2::~Form2() {
    DeleteObject(font_);
    SetWindowIcons(window_, nullptr, 0);
    current = nullptr;
}

LRESULT Form2::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_CTLCOLORSTATIC:
            // Read-only, yet a page to read: the text box keeps the window colour that Windows
            // gives read-only boxes the dialog face instead of.
            if (reinterpret_cast<HWND>(lParam) == text1_) {
                const auto dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
                SetBkColor(dc, GetSysColor(COLOR_WINDOW));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0) {
                SetFocus(text1_);
                return 0;
            }
            break;
        case WM_GETDPISCALEDSIZE: {
            RECT frame{0, 0, Dpi(static_cast<UINT>(wParam))(present::kForm2Width),
                       Dpi(static_cast<UINT>(wParam))(present::kForm2Height)};
            AdjustWindowRectExForDpi(&frame, kStyle, FALSE, 0, static_cast<UINT>(wParam));
            *reinterpret_cast<SIZE*>(lParam) = {frame.right - frame.left, frame.bottom - frame.top};
            return TRUE;
        }
        case WM_DPICHANGED: {
            ApplyDpi(Dpi(HIWORD(wParam)));
            SetWindowIcons(window_, instance_, dpi_.value());
            const SIZE frame =
                FrameSize(present::kForm2Width, present::kForm2Height, window_, dpi_);
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top, frame.cx, frame.cy,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void Form2::OnCreate() {
    text1_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, nullptr,
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE |
                                 ES_READONLY | ES_AUTOVSCROLL,
                             0, 0, 0, 0, window_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kText1Id)), instance_,
                             nullptr);
    SendMessageW(text1_, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextW(text1_, MeasuresText(instance_).c_str());
    // The box has no label: a screen reader names it after the text it holds.
    SetAccessibleText(text1_, AccessibleText::Name, Wide(present::kText1Name));
    ApplyDpi(Dpi(GetDpiForWindow(window_)));
    SetWindowIcons(window_, instance_, dpi_.value());
    const SIZE frame = FrameSize(present::kForm2Width, present::kForm2Height, window_, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, frame.cx, frame.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form2::ApplyDpi(Dpi dpi) {
    dpi_ = dpi;
    HFONT old = font_;
    font_ = CreateUiFont(dpi_);
    const RECT place = dpi_(present::kText1);
    SetWindowPos(text1_, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(text1_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    if (old != nullptr) {
        DeleteObject(old);
    }
}

}  // namespace zq::win
