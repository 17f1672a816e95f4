// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

#include "win/dpi.h"

namespace zq::win {

// The kind and type lists draw their own rows (LBS_OWNERDRAWFIXED with LBS_HASSTRINGS, so the
// list keeps its strings and screen readers read them as ever): an entry too long for its list
// ends in "…" instead of being cut mid-character, and a tip shows it whole under the pointer.

// Draws one row for WM_DRAWITEM: the selection band, the text, the dotted focus frame.
void DrawListRow(const DRAWITEMSTRUCT& item, Dpi dpi);

class ListRowTips {
  public:
    ListRowTips() = default;
    ListRowTips(const ListRowTips&) = delete;
    ListRowTips& operator=(const ListRowTips&) = delete;
    ~ListRowTips();

    void Create(HWND owner, HWND list1, HWND list2);
    void SetDpi(Dpi dpi) { dpi_ = dpi; }
    // Answers the tip's request for its text (TTN_GETDISPINFOW): the row under the pointer when
    // the list cuts it, else nothing, which shows no tip. False for other notifications.
    bool OnNotify(const NMHDR& header);

  private:
    static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);

    HWND tip_ = nullptr;
    HWND lists_[2]{};
    int hotRow_ = -1;
    Dpi dpi_;
    std::wstring text_;
};

}  // namespace zq::win
