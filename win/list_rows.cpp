// SPDX-License-Identifier: MIT
#include "win/list_rows.h"

#include <commctrl.h>

namespace zq::win {
namespace {

// Room left of and right of the text in a row, at 96 DPI.
constexpr int kTextMargin = 2;

std::wstring RowText(HWND list, int row) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

// The row under the pointer, or -1 below the last row and outside the list.
int RowUnderPointer(HWND list) {
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(list, &point);
    RECT client;
    GetClientRect(list, &client);
    if (!PtInRect(&client, point)) {
        return -1;
    }
    const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    return HIWORD(hit) != 0 ? -1 : static_cast<int>(LOWORD(hit));
}

}  // namespace

void DrawListRow(const DRAWITEMSTRUCT& item, Dpi dpi) {
    RECT row = item.rcItem;
    // The focus frame shows unless Windows hides it until the keyboard is used; a change of
    // focus redraws the whole row rather than toggling the frame, which a hidden frame would spoil.
    const bool focusFrame =
        (item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0;
    if (item.itemID == static_cast<UINT>(-1)) {  // an empty list with the focus
        if (focusFrame) {
            DrawFocusRect(item.hDC, &row);
        }
        return;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &row, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const std::wstring text = RowText(item.hwndItem, static_cast<int>(item.itemID));
    const auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(item.hDC, font);
    const COLORREF oldColour =
        SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const int oldMode = SetBkMode(item.hDC, TRANSPARENT);
    RECT textRect{row.left + dpi(kTextMargin), row.top, row.right - dpi(kTextMargin), row.bottom};
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SetBkMode(item.hDC, oldMode);
    SetTextColor(item.hDC, oldColour);
    SelectObject(item.hDC, oldFont);
    if (focusFrame) {
        DrawFocusRect(item.hDC, &row);
    }
}

ListRowTips::~ListRowTips() {
    for (HWND list : lists_) {
        if (list != nullptr) {
            RemoveWindowSubclass(list, ListProc, 0);
        }
    }
}

void ListRowTips::Create(HWND owner, HWND list1, HWND list2) {
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                           nullptr, nullptr, nullptr);
    lists_[0] = list1;
    lists_[1] = list2;
    for (HWND list : lists_) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = owner;
        tool.uId = reinterpret_cast<UINT_PTR>(list);
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        SetWindowSubclass(list, ListProc, 0, reinterpret_cast<DWORD_PTR>(this));
    }
}

bool ListRowTips::OnNotify(const NMHDR& header) {
    if (header.hwndFrom != tip_ || header.code != TTN_GETDISPINFOW) {
        return false;
    }
    auto& request = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
    const auto list = reinterpret_cast<HWND>(request.hdr.idFrom);
    const int row = RowUnderPointer(list);
    text_.clear();
    if (row >= 0) {
        std::wstring entry = RowText(list, row);
        RECT client;
        GetClientRect(list, &client);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0));
        const int room = client.right - client.left - 2 * dpi_(kTextMargin);
        if (TextWidth(list, font, entry.c_str(), static_cast<int>(entry.size())) > room) {
            text_ = std::move(entry);
            SendMessageW(tip_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
    }
    request.lpszText = text_.data();
    return true;
}

LRESULT CALLBACK ListRowTips::ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR /*id*/, DWORD_PTR self) {
    if (message == WM_MOUSEMOVE) {
        // The tip is asked for its text when it appears; on another row it goes, so that the
        // next one asks again.
        auto* tips = reinterpret_cast<ListRowTips*>(self);
        const int row = RowUnderPointer(list);
        if (row != tips->hotRow_) {
            tips->hotRow_ = row;
            SendMessageW(tips->tip_, TTM_POP, 0, 0);
        }
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace zq::win
