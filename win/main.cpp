// SPDX-License-Identifier: MIT
// zorvikquillet.exe: the calculator window for Windows, a view of present::Calculator drawn with
// Windows' own controls.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "win/form1.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/, int show) {
    // The shell's open verb (the maker's address) and the accessibility annotations need COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_LINK_CLASS};
    InitCommonControlsEx(&controls);
    if (zq::win::Form1::Open(instance, show) == nullptr) {
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The calculator handles its keys as a dialog does: Tab and Shift+Tab through the tab
        // order, the arrow keys within the class options, Enter on the focused button; Enter
        // elsewhere and Esc press nothing.
        HWND calculator = zq::win::Form1::Window();
        if (calculator != nullptr && GetAncestor(message.hwnd, GA_ROOT) == calculator &&
            IsDialogMessageW(calculator, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return static_cast<int>(message.wParam);
}
