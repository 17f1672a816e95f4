// SPDX-License-Identifier: MIT
#include "win/dpi.h"

namespace zq::win {
namespace {

int CALLBACK NoteFound(const LOGFONTW* /*font*/, const TEXTMETRICW* /*metrics*/, DWORD /*type*/,
                       LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FontInstalled(const wchar_t* family) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, family, LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

}  // namespace

SIZE FrameSize(int clientWidth, int clientHeight, HWND window, Dpi dpi) {
    RECT frame{0, 0, dpi(clientWidth), dpi(clientHeight)};
    AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                             FALSE, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)),
                             dpi.value());
    return {frame.right - frame.left, frame.bottom - frame.top};
}

HFONT CreateUiFont(Dpi dpi) {
    LOGFONTW font{};
    if (FontInstalled(L"SimSun")) {
        // 9 points are 12 pixels at 96 DPI: the window's line, and SimSun's bitmap strike.
        font.lfHeight = -MulDiv(9, static_cast<int>(dpi.value()), 72);
        font.lfWeight = FW_NORMAL;
        font.lfCharSet = GB2312_CHARSET;
        lstrcpynW(font.lfFaceName, L"SimSun", LF_FACESIZE);
    } else {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                                   dpi.value());
        font = metrics.lfMessageFont;
    }
    return CreateFontIndirectW(&font);
}

int TextWidth(HWND window, HFONT font, const wchar_t* text, int length) {
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text, length, &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return size.cx;
}

}  // namespace zq::win
