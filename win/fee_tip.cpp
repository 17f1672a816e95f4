// SPDX-License-Identifier: MIT
#include "win/fee_tip.h"

#include <commctrl.h>

#include <algorithm>

#include "win/wide_text.h"
#include "win/window_places.h"

namespace zq::win {
namespace {

// The narrowest wrapping width, at 96 DPI, so that a short explanation's sentences are not cut
// into slivers; the widest is the work area less a margin on each side.
constexpr int kNarrowest = 240;
constexpr int kScreenMargin = 16;
// The tool shown from the keyboard, placed by the window, beside the one under the pointer.
constexpr UINT_PTR kTrackedTool = 1;

}  // namespace

TTTOOLINFOW FeeTip::Tool(bool tracked) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = tracked ? TTF_TRACK | TTF_ABSOLUTE : TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner_;
    tool.uId = tracked ? kTrackedTool : reinterpret_cast<UINT_PTR>(box_);
    tool.lpszText = text_.data();
    return tool;
}

void FeeTip::Create(HWND owner, HWND feeBox) {
    owner_ = owner;
    box_ = feeBox;
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                           nullptr, nullptr, nullptr);
    for (const bool tracked : {false, true}) {
        TTTOOLINFOW tool = Tool(tracked);
        SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    // Long enough to read a dozen lines: the longest a tip may stay (32.767 s).
    SendMessageW(tip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(0x7FFF, 0));
}

void FeeTip::SetFont(HFONT font, Dpi dpi) {
    font_ = font;
    dpi_ = dpi;
    SendMessageW(tip_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    Apply();
}

void FeeTip::Show(const std::vector<present::ExplanationLine>& lines) {
    if (lines != lines_) {
        lines_ = lines;
        Apply();
    }
}

void FeeTip::Apply() {
    text_.clear();
    int widest = dpi_(kNarrowest);
    for (const present::ExplanationLine& line : lines_) {
        const std::wstring wide = Wide(line.text);
        if (line.style != present::LineStyle::Sentence) {
            widest = std::max(widest,
                              TextWidth(box_, font_, wide.c_str(), static_cast<int>(wide.size())));
        }
        text_ += (text_.empty() ? L"" : L"\r\n") + wide;
    }
    const RECT work = WorkAreaOf(owner_);
    widest = std::min<int>(widest, work.right - work.left - 2 * dpi_(kScreenMargin));
    SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, widest);
    for (const bool tracked : {false, true}) {
        TTTOOLINFOW tool = Tool(tracked);
        SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (text_.empty()) {
        HideFromKeyboard();
    }
}

void FeeTip::ShowFromKeyboard() {
    if (text_.empty()) {
        return;
    }
    RECT box;
    GetWindowRect(box_, &box);
    SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(box.left, box.bottom));
    TTTOOLINFOW tool = Tool(true);
    SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void FeeTip::HideFromKeyboard() {
    TTTOOLINFOW tool = Tool(true);
    SendMessageW(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace zq::win
