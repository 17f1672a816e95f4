// SPDX-License-Identifier: MIT
#include "win/form1.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "present/kept_figures.h"
#include "win/accessible_text.h"
#include "win/form2.h"
#include "win/wide_text.h"
#include "win/window_icon.h"
#include "win/window_names.h"
#include "win/window_places.h"
#include "win/window_proc.h"

namespace zq::win {
namespace {

using present::ControlKind;
using present::ControlPlace;

HWND current = nullptr;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Allowed beyond a label's measured caption, at 96 DPI: 12 pixels, one Chinese character.
constexpr int kLabelAllowance = 12;

// The right edge a label may reach at 96 DPI: the next control on its line, else the right edge
// of the window's controls.
int RoomRightOf(const ControlPlace& label) {
    int right = 0;
    for (const ControlPlace& other : present::Form1Controls()) {
        right = std::max(right, other.rect.x + other.rect.width);
    }
    for (const ControlPlace& other : present::Form1Controls()) {
        const bool level = other.rect.y < label.rect.y + label.rect.height &&
                           label.rect.y < other.rect.y + other.rect.height;
        if (other.kind != ControlKind::Label && level && other.rect.x > label.rect.x) {
            right = std::min(right, other.rect.x);
        }
    }
    return right;
}

// The three lines at the foot name the maker; a click on any of them opens its address.
bool IsFootLabel(const ControlPlace& place) { return place.name.starts_with("Label2_"); }

// The maker's address is a link: a SysLink control, which Tab reaches at its place in the table,
// Enter or a click presses, and Windows' accessibility layer presents as a link.
bool IsAddress(const ControlPlace& place) { return place.caption == present::kMakerAddressShown; }

void OpenAddress(HWND window) {
    const std::wstring address = L"http://" + Wide(present::kMakerHost);
    ShellExecuteW(window, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::wstring TextOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

COLORREF ColourOf(present::TextColour colour) {
    const present::Rgb rgb =
        colour == present::TextColour::Grey ? present::kGreyText : present::kBlueText;
    return RGB(rgb.red, rgb.green, rgb.blue);
}

// As in a dialog, the push button with the focus is the default one, drawn so and pressed by
// Enter; with the focus on any other control no button is the default and Enter presses nothing.
LRESULT CALLBACK PushButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR /*id*/, DWORD_PTR /*data*/) {
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS) {
        SendMessageW(button, BM_SETSTYLE, message == WM_SETFOCUS ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON,
                     TRUE);
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(button, PushButtonProc, 0);
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

void FillList(HWND list, const std::vector<std::string_view>& entries, int version, int& shown) {
    if (version == shown) {
        return;
    }
    shown = version;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (std::string_view entry : entries) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void SelectRow(HWND list, int row) {
    if (SendMessageW(list, LB_GETCURSEL, 0, 0) != row) {
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    }
}

}  // namespace

HWND Form1::Open(HINSTANCE instance, int show) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc<Form1>;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kForm1Class;
    if (RegisterClassExW(&windowClass) == 0) {
        return nullptr;
    }
    auto* form = new Form1(instance);
    HWND window =
        CreateWindowExW(0, kForm1Class, Wide(present::kForm1Title).c_str(), kStyle, CW_USEDEFAULT,
                        0, CW_USEDEFAULT, 0, nullptr, nullptr, instance, form);
    if (window == nullptr) {
        return nullptr;
    }
    // Centred on the monitor Windows chose; if that monitor has another scale, the move brings
    // a change of DPI, after which the window is centred once more at its new size.
    for (int pass = 0; pass < 2; ++pass) {
        const UINT dpi = form->dpi_.value();
        const SIZE frame =
            FrameSize(present::kForm1Width, present::kForm1Height, window, form->dpi_);
        const POINT at = CentredIn(WorkAreaOf(window), frame);
        SetWindowPos(window, nullptr, at.x, at.y, frame.cx, frame.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (form->dpi_.value() == dpi) {
            break;
        }
    }
    ShowWindow(window, show);
    UpdateWindow(window);
    return window;
}

HWND Form1::Window() { return current; }

void Form1::Attach(HWND window) {
    window_ = window;
    current = window;
}

Form1::~Form1() {
    DeleteObject(font_);
    SetWindowIcons(window_, nullptr, 0);
    current = nullptr;
}

LRESULT Form1::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            dpi_ = Dpi(GetDpiForWindow(window_));
            font_ = CreateUiFont(dpi_);
            SetWindowIcons(window_, instance_, dpi_.value());
            CreateControls();
            ApplyDpi(dpi_);
            // The court's figures courtfee.exe keeps (courtfee --set-figure), in %APPDATA%.
            calculator_.SetLocalFigures(present::LoadKeptFigures());
            calculator_.FormLoad();
            Show(true);
            // The focus shows from the start, not only once a key is pressed: a keyboard user
            // must see where the keys go before pressing any.
            SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
            return 0;
        case WM_COMMAND:
            if (lParam != 0) {
                OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            } else if (LOWORD(wParam) == IDOK) {
                // Enter, as IsDialogMessage reports it when it finds no default button: it
                // presses the focused button, if a push button has the focus, else nothing.
                HWND focus = GetFocus();
                if (focus == command1_ || focus == command2_ || focus == command3_) {
                    OnCommand(focus, BN_CLICKED);
                }
            }
            return 0;
        case WM_CTLCOLORSTATIC:
            return LabelColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_MEASUREITEM:
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight =
                static_cast<UINT>(dpi_(present::kListRowHeight));
            return TRUE;
        case WM_DRAWITEM:
            DrawListRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), dpi_);
            return TRUE;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.hwndFrom == address_ &&
                (header.code == NM_CLICK || header.code == NM_RETURN)) {
                OpenAddress(window_);
            } else {
                rowTips_.OnNotify(header);
            }
            return 0;
        }
        case WM_HELP:
            // F1 in the fee box: its explanation, for the keyboard.
            if (reinterpret_cast<const HELPINFO*>(lParam)->hItemHandle == txtFysf_) {
                feeTip_.ShowFromKeyboard();
            }
            return TRUE;
        case WM_PAINT:
            PaintLine1();
            return 0;
        case WM_ACTIVATE:
            if (HIWORD(wParam) == 0) {  // not while minimised
                OnActivate(LOWORD(wParam) != WA_INACTIVE);
                return 0;
            }
            break;
        case WM_GETDPISCALEDSIZE:
            *reinterpret_cast<SIZE*>(lParam) =
                FrameSize(present::kForm1Width, present::kForm1Height, window_,
                          Dpi(static_cast<UINT>(wParam)));
            return TRUE;
        case WM_DPICHANGED: {
            ApplyDpi(Dpi(HIWORD(wParam)));
            SetWindowIcons(window_, instance_, dpi_.value());
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            const SIZE frame =
                FrameSize(present::kForm1Width, present::kForm1Height, window_, dpi_);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top, frame.cx, frame.cy,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void Form1::CreateControls() {
    const auto controls = present::Form1Controls();
    // In tab order, each control just after the label that names it: Windows gives a control
    // without a caption of its own the name of the label before it, and Tab follows the order of
    // creation. The labels naming nothing keep their own place in the table.
    for (const ControlPlace& place : controls) {
        if (place.kind == ControlKind::Label) {
            if (place.buddy.empty()) {
                CreateControl(place);
            }
            continue;
        }
        const auto label = std::find_if(controls.begin(), controls.end(), [&](const auto& other) {
            return other.kind == ControlKind::Label && other.buddy == place.name;
        });
        if (label != controls.end()) {
            CreateControl(*label);
        }
        CreateControl(place);
    }
    feeTip_.Create(window_, txtFysf_);
    rowTips_.Create(window_, list1_, list2_);
}

HWND Form1::CreateControl(const ControlPlace& place) {
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD extended = 0;
    const wchar_t* windowClass = WC_BUTTONW;
    switch (place.kind) {
        case ControlKind::OptionButton:
            // One group, entered by Tab at the option that is on (see Show) and walked with the
            // arrow keys.
            style |= BS_AUTORADIOBUTTON | (place.name.ends_with("_0") ? WS_GROUP : 0);
            break;
        case ControlKind::ListBox:
            windowClass = WC_LISTBOXW;
            style |= WS_TABSTOP | WS_GROUP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                     LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
            extended = WS_EX_CLIENTEDGE;
            break;
        case ControlKind::TextBox:
            windowClass = WC_EDITW;
            style |= WS_TABSTOP | WS_GROUP | ES_LEFT | ES_AUTOHSCROLL;
            extended = WS_EX_CLIENTEDGE;
            break;
        case ControlKind::Button:
            style |= WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON;
            break;
        case ControlKind::Label:
            windowClass = IsAddress(place) ? WC_LINK : WC_STATICW;
            style |= IsAddress(place) ? WS_TABSTOP | WS_GROUP
                                      : WS_GROUP | SS_LEFTNOWORDWRAP | SS_NOPREFIX |
                                            (IsFootLabel(place) ? SS_NOTIFY : 0);
            break;
    }
    const std::wstring caption =
        IsAddress(place) ? L"<a>" + Wide(place.caption) + L"</a>" : Wide(place.caption);
    HWND control = CreateWindowExW(
        extended, windowClass, caption.c_str(), style, 0, 0, 0, 0, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(place))), instance_, nullptr);
    placed_.push_back({&place, control});
    const std::string_view name = place.name;
    if (place.kind == ControlKind::OptionButton) {
        option1_.at(name.ends_with("_0") ? 0 : 1) = control;
    } else if (place.kind == ControlKind::TextBox) {
        (name == "txtBd" ? txtBd_ : txtFysf_) = control;
        SendMessageW(control, EM_SETLIMITTEXT, 0, 0);  // no length limit
    } else if (place.kind == ControlKind::ListBox) {
        (name == "List1" ? list1_ : list2_) = control;
    } else if (place.kind == ControlKind::Button) {
        (name == "Command1" ? command1_ : name == "Command2" ? command2_ : command3_) = control;
        SetWindowSubclass(control, PushButtonProc, 0, 0);
    } else if (IsAddress(place)) {
        address_ = control;
    }
    return control;
}

void Form1::ApplyDpi(Dpi dpi) {
    dpi_ = dpi;
    HFONT old = font_;
    font_ = CreateUiFont(dpi_);
    TEXTMETRICW metrics{};
    HDC dc = GetDC(window_);
    HGDIOBJ previous = SelectObject(dc, font_);
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(window_, dc);
    for (const Placed& placed : placed_) {
        RECT rect = dpi_(placed.place->rect);
        if (placed.place->kind == ControlKind::Label) {
            // Labels are about as wide as their caption, so that a click well beside the text
            // is no click on it. A half-width allowance over the measure, short of the next
            // control, keeps the whole text where a font draws wider than it measures (the
            // bitmap strike of WenQuanYi Zen Hei Sharp under Wine draws Latin letters so).
            const std::wstring caption = Wide(placed.place->caption);
            const int measured =
                TextWidth(window_, font_, caption.c_str(), static_cast<int>(caption.size()));
            rect.right = std::min<LONG>(rect.left + measured + dpi_(kLabelAllowance),
                                        dpi_(RoomRightOf(*placed.place)));
            // A font with a taller line than the table's keeps its line whole; the labels are
            // transparent, so one line reaching into the next hides nothing.
            rect.bottom = std::max(rect.bottom, rect.top + metrics.tmHeight);
        }
        SetWindowPos(placed.control, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(placed.control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        if (placed.place->kind == ControlKind::ListBox) {
            SendMessageW(placed.control, LB_SETITEMHEIGHT, 0, dpi_(present::kListRowHeight));
        }
    }
    feeTip_.SetFont(font_, dpi_);
    rowTips_.SetDpi(dpi_);
    if (old != nullptr && old != font_) {
        DeleteObject(old);
    }
    InvalidateRect(window_, nullptr, TRUE);
}

void Form1::OnCommand(HWND control, int code) {
    for (int index = 0; index < 2; ++index) {
        if (control == option1_.at(static_cast<std::size_t>(index)) && code == BN_CLICKED) {
            if (SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED) {
                calculator_.Option1Click(index);
                Show(false);
            }
            return;
        }
    }
    if ((control == list1_ || control == list2_) && code == LBN_SELCHANGE) {
        const int row = static_cast<int>(SendMessageW(control, LB_GETCURSEL, 0, 0));
        if (control == list1_) {
            calculator_.List1Click(row);
        } else {
            calculator_.List2Click(row);
        }
        Show(false);
    } else if (control == txtFysf_ && code == EN_KILLFOCUS) {
        feeTip_.HideFromKeyboard();
    } else if ((control == txtBd_ || control == txtFysf_) && code == EN_CHANGE && !settingText_) {
        std::string text = Utf8(TextOf(control));
        if (control == txtBd_) {
            calculator_.TypeAmount(std::move(text));
        } else {
            calculator_.TypeFee(std::move(text));
            Show(false);
        }
    } else if (control == command1_ && code == BN_CLICKED) {
        Calculate();
    } else if (control == command2_ && code == BN_CLICKED) {
        DestroyWindow(window_);  // the fee-rules window, if open, stays
    } else if (control == command3_ && code == BN_CLICKED) {
        Form2::Show(instance_, window_, ControlsOnScreen());
    } else if (code == STN_CLICKED) {
        // Only the first press of a double-click: STN_DBLCLK opens nothing more.
        const ControlPlace* place = PlaceOf(control);
        if (place != nullptr && IsFootLabel(*place)) {
            OpenAddress(window_);
        }
    }
}

void Form1::Calculate() {
    const std::optional<present::Notice> notice = calculator_.Command1Click();
    Show(true);
    // The new fee, said by a screen reader: 计算, which keeps the focus, describes it. Emptied
    // first, so that the same fee again is said again.
    SetAccessibleText(command1_, AccessibleText::Description, L"");
    SetAccessibleText(command1_, AccessibleText::Description, Wide(calculator_.announcement()));
    if (notice) {
        // Windows writes the button's 确定 in the system's language.
        const UINT icon =
            notice->icon == present::NoticeIcon::Error ? MB_ICONHAND : MB_ICONEXCLAMATION;
        MessageBoxW(window_, Wide(notice->prompt).c_str(), Wide(notice->title).c_str(),
                    MB_OK | icon);
    }
}

void Form1::Show(bool boxes) {
    for (std::size_t index = 0; index < option1_.size(); ++index) {
        HWND option = option1_.at(index);
        const bool on = calculator_.classOn() == static_cast<int>(index);
        SendMessageW(option, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
        // Tab enters the options at the one that is on.
        const LONG_PTR style = GetWindowLongPtrW(option, GWL_STYLE);
        SetWindowLongPtrW(option, GWL_STYLE, on ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
    FillList(list1_, calculator_.kinds(), calculator_.kindsVersion(), kindsShown_);
    SelectRow(list1_, calculator_.kindRow());
    FillList(list2_, calculator_.types(), calculator_.typesVersion(), typesShown_);
    SelectRow(list2_, calculator_.typeRow());
    if (boxes) {
        SetBoxText(txtBd_, calculator_.amountText());
        SetBoxText(txtFysf_, calculator_.feeText());
    }
    feeTip_.Show(calculator_.explanation());
    // The explanation as plain text to a screen reader, which cannot read a tooltip.
    std::string described = present::PlainText(calculator_.explanation());
    if (described != described_) {
        described_ = std::move(described);
        SetAccessibleText(txtFysf_, AccessibleText::Description, Wide(described_));
    }
}

void Form1::SetBoxText(HWND box, const std::string& text) {
    const std::wstring wide = Wide(text);
    if (TextOf(box) != wide) {
        settingText_ = true;
        SetWindowTextW(box, wide.c_str());
        settingText_ = false;
    }
}

LRESULT Form1::LabelColours(HDC dc, HWND label) {
    const ControlPlace* place = PlaceOf(label);
    if (place != nullptr && place->colour != present::TextColour::Default) {
        SetTextColor(dc, ColourOf(place->colour));
    }
    if (place != nullptr && place->kind == ControlKind::Label && label != address_) {
        // Drawn over the window's face, which is painted beneath them; their texts never change.
        // (The link fills its background itself, with the face as below.)
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void Form1::PaintLine1() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    RECT line = dpi_(present::kLine1);
    line.bottom = line.top + std::max(1, dpi_(present::kLine1.height));
    FillRect(dc, &line, GetSysColorBrush(COLOR_WINDOWTEXT));
    EndPaint(window_, &paint);
}

void Form1::OnActivate(bool active) {
    // A window that is no dialog keeps its focused control over a switch to another window
    // itself; without this the keyboard would find no control when the window comes back.
    HWND focus = GetFocus();
    if (!active) {
        if (focus != nullptr && IsChild(window_, focus)) {
            lastFocus_ = focus;
        }
        return;
    }
    if (lastFocus_ == nullptr || !IsWindow(lastFocus_)) {
        lastFocus_ = GetNextDlgTabItem(window_, nullptr, FALSE);
    }
    SetFocus(lastFocus_);
}

RECT Form1::ControlsOnScreen() const {
    RECT all{};
    for (const Placed& placed : placed_) {
        RECT rect;
        GetWindowRect(placed.control, &rect);
        UnionRect(&all, &all, &rect);
    }
    return all;
}

const ControlPlace* Form1::PlaceOf(HWND control) const {
    const auto found = std::find_if(placed_.begin(), placed_.end(),
                                    [control](const Placed& p) { return p.control == control; });
    return found == placed_.end() ? nullptr : found->place;
}

}  // namespace zq::win
