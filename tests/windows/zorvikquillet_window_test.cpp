// SPDX-License-Identifier: MIT
// zorvikquillet.exe driven from outside, as Windows test tools drive a program: its windows found
// by class and title, its controls by ID, lists set with LB_SETCURSEL and the window told with
// LBN_SELCHANGE, boxes with WM_SETTEXT, buttons pressed with BM_CLICK, texts read back with
// WM_GETTEXT, message boxes found by their class #32770 and closed. The calculator's behaviour is
// tested natively; this checks what only the Windows window does with it: the controls in the
// table's places and tab order at the window's DPI, each class's cascade, every fee rule's
// worked example against the native courtfee's answers (each box showing its start), a refused
// amount's message box modal to the calculator, the fee-rules window read-only beside it, and the
// program's end with its last window.
//   zorvikquillet_window_test <zorvikquillet.exe> <courtfee --list> <cases> <courtfee --batch
//                             answers to the cases> <resources/measures.txt>
// Waits poll for the state they need; the one time limit only stops a hung run.
// clang-format off
#include <windows.h>
// clang-format on

#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/windows/windows_text.h"
#include "present/form_layout.h"
#include "win/dpi.h"
#include "win/window_names.h"

namespace {

namespace zp = zq::present;
using zq::win::ControlId;

int failures = 0;
const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(2);

void Check(bool ok, const std::string& what) {
    if (!ok) {
        ++failures;
        std::fprintf(stderr, "FAIL %s\n", what.c_str());
    }
}

std::wstring Wide(std::string_view utf8) { return zq::cli::Widen(CP_UTF8, utf8); }
std::string Utf8(std::wstring_view wide) { return zq::cli::ToUtf8(wide); }

template <typename Condition>
bool WaitFor(Condition condition, const std::string& what) {
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            Check(false, "still waiting for " + what);
            return false;
        }
        Sleep(20);
    }
    return true;
}

std::string ReadFile(const wchar_t* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
        fields.push_back(line.substr(start, tab - start));
    }
    fields.push_back(line.substr(start));
    return fields;
}

// courtfee --list: a class a line, its kinds indented by two spaces, their types by four.
struct Kind {
    std::string name;
    std::vector<std::string> types;
};
std::vector<std::vector<Kind>> Catalogue(const std::string& listing) {
    std::vector<std::vector<Kind>> classes;
    for (const std::string& line : Lines(listing)) {
        if (line.rfind("    ", 0) == 0) {
            classes.back().back().types.push_back(Fields(line.substr(4))[0]);
        } else if (line.rfind("  ", 0) == 0) {
            classes.back().push_back({line.substr(2), {}});
        } else if (!line.empty()) {
            classes.emplace_back();
        }
    }
    return classes;
}

// WM_GETTEXT itself: GetWindowText reads another program's controls' captions, not their text.
std::string Text(HWND window) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1,
                      L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return Utf8(text);
}

std::vector<std::string> Rows(HWND list) {
    std::vector<std::string> rows;
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (WPARAM row = 0; static_cast<LRESULT>(row) < count; ++row) {
        std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, row, 0)) + 1,
                          L'\0');
        text.resize(static_cast<std::size_t>(
            SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()))));
        rows.push_back(Utf8(text));
    }
    return rows;
}

struct Box {
    std::string title;
    std::string prompt;
    bool modal = false;  // the calculator disabled under it, and no minimise or maximise
};

class Calculator {
  public:
    HWND window = nullptr;

    HWND Control(std::string_view name) const {
        for (const zp::ControlPlace& place : zp::Form1Controls()) {
            if (place.name == name) {
                return GetDlgItem(window, ControlId(place));
            }
        }
        return nullptr;
    }

    // The user picks a row: the list's selection moves and the list tells its window.
    void Select(HWND list, int row) const {
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }

    // Presses a button and returns the message box it brought up, closed again, if any. The
    // press is sent from a thread of its own, which returns once the press has been handled,
    // so "no box" is known, not guessed.
    std::optional<Box> Press(HWND button) const {
        HANDLE thread = CreateThread(
            nullptr, 0,
            [](void* pressed) -> DWORD {
                SendMessageW(static_cast<HWND>(pressed), BM_CLICK, 0, 0);
                return 0;
            },
            button, 0, nullptr);
        std::optional<Box> seen;
        while (WaitForSingleObject(thread, 20) == WAIT_TIMEOUT) {
            if (HWND box = OwnedBox(); box != nullptr && !seen) {
                const auto style = GetWindowLongPtrW(box, GWL_STYLE);
                seen = Box{Text(box), "",
                           IsWindowEnabled(window) == FALSE &&
                               (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0};
                EnumChildWindows(
                    box,
                    [](HWND child, LPARAM found) {
                        wchar_t name[16];
                        GetClassNameW(child, name, 16);
                        if (lstrcmpiW(name, L"Static") == 0 && !Text(child).empty()) {
                            reinterpret_cast<Box*>(found)->prompt = Text(child);
                        }
                        return TRUE;
                    },
                    reinterpret_cast<LPARAM>(&*seen));
                PostMessageW(box, WM_COMMAND, IDOK, 0);
            }
            if (std::chrono::steady_clock::now() > deadline) {
                Check(false, "a press was never handled");
                CloseHandle(thread);
                return seen;
            }
        }
        CloseHandle(thread);
        return seen;
    }

  private:
    HWND OwnedBox() const {
        HWND box = nullptr;
        while ((box = FindWindowExW(nullptr, box, L"#32770", nullptr)) != nullptr) {
            if (GetWindow(box, GW_OWNER) == window && IsWindowVisible(box)) {
                return box;
            }
        }
        return nullptr;
    }
};

RECT ClientPlace(HWND control, HWND parent) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void CheckStart(const Calculator& c, const std::vector<std::vector<Kind>>& catalogue) {
    // The prefix's DPI, which Wine gives each program as it starts (asked of another program's
    // window, Wine answers with its session's first DPI instead).
    const zq::win::Dpi dpi(GetDpiForSystem());
    std::printf("the calculator at %u DPI\n", dpi.value());
    RECT client;
    GetClientRect(c.window, &client);
    Check(client.right == dpi(zp::kForm1Width) && client.bottom == dpi(zp::kForm1Height),
          "client size " + std::to_string(client.right) + "x" + std::to_string(client.bottom));
    for (const zp::ControlPlace& place : zp::Form1Controls()) {
        const std::string name(place.name);
        HWND control = c.Control(place.name);
        if (control == nullptr) {
            Check(false, name + " is missing");
            continue;
        }
        const RECT at = ClientPlace(control, c.window);
        const RECT wanted = dpi(place.rect);
        const bool label = place.kind == zp::ControlKind::Label;
        Check(at.left == wanted.left && at.top == wanted.top &&
                  (label || (at.right == wanted.right && at.bottom == wanted.bottom)),
              name + " is not at its place");
        // The address is a link, its caption marked up as one.
        const std::string caption(place.caption);
        const std::string link = "<a>" + caption + "</a>";
        if (place.kind != zp::ControlKind::ListBox && place.kind != zp::ControlKind::TextBox) {
            Check(Text(control) == caption || Text(control) == link,
                  name + " reads " + Text(control));
        }
        if (place.kind == zp::ControlKind::ListBox) {
            Check(SendMessageW(control, LB_GETITEMHEIGHT, 0, 0) == dpi(zp::kListRowHeight),
                  name + "'s rows are not 12 pixels at 96 DPI");
        }
    }
    Check(SendMessageW(c.Control("Option1_0"), BM_GETCHECK, 0, 0) == BST_CHECKED &&
              SendMessageW(c.Control("Option1_1"), BM_GETCHECK, 0, 0) == BST_UNCHECKED,
          "the first class is not the one on");
    std::vector<std::string> kinds;
    for (const Kind& kind : catalogue[0]) {
        kinds.push_back(kind.name);
    }
    Check(Rows(c.Control("List1")) == kinds && Rows(c.Control("List2")) == catalogue[0][0].types,
          "the lists at start");
    Check(Text(c.Control("txtBd")).empty() && Text(c.Control("txtFysf")).empty(),
          "the boxes at start are not empty");
    // Tab visits the controls in the table's order, the class options at the one that is on, and
    // the address among them.
    std::vector<int> wanted;
    for (const zp::ControlPlace& place : zp::Form1Controls()) {
        if ((place.kind != zp::ControlKind::Label || place.caption == zp::kMakerAddressShown) &&
            place.name != "Option1_1") {
            wanted.push_back(ControlId(place));
        }
    }
    std::vector<int> visited;
    HWND first = GetNextDlgTabItem(c.window, nullptr, FALSE);
    HWND at = first;
    do {
        visited.push_back(GetDlgCtrlID(at));
        at = GetNextDlgTabItem(c.window, at, FALSE);
    } while (at != first && visited.size() <= wanted.size());
    Check(visited == wanted, "Tab does not follow the table's tab order");
}

void CheckCascades(const Calculator& c, const std::vector<std::vector<Kind>>& catalogue) {
    for (const int classIndex : {1, 0}) {
        const std::string on = "Option1_" + std::to_string(classIndex);
        Check(!c.Press(c.Control(on)), "a box after " + on);
        const auto& kinds = catalogue.at(static_cast<std::size_t>(classIndex));
        for (std::size_t row = 0; row < kinds.size(); ++row) {
            if (row > 0) {
                c.Select(c.Control("List1"), static_cast<int>(row));
            }
            std::vector<std::string> names;
            for (const Kind& kind : kinds) {
                names.push_back(kind.name);
            }
            const std::string where = on + ", kind " + kinds[row].name;
            Check(Rows(c.Control("List1")) == names, where + ": List1");
            Check(SendMessageW(c.Control("List1"), LB_GETCURSEL, 0, 0) == static_cast<LRESULT>(row),
                  where + ": List1's selection");
            Check(Rows(c.Control("List2")) == kinds[row].types &&
                      SendMessageW(c.Control("List2"), LB_GETCURSEL, 0, 0) == 0,
                  where + ": List2 and its selection");
        }
        Check(GetNextDlgTabItem(c.window, c.Control("List1"), TRUE) == c.Control(on),
              "Shift+Tab from List1 does not reach " + on);
    }
}

// Each case is typed and calculated as a user would; the window must show what the native
// courtfee --batch answers: the amount as the calculation left it, the fee, and for a refusal
// its message in a box (a warning's prompt, or an error's title and prompt) and no fee.
void CheckCases(const Calculator& c, const std::vector<std::vector<Kind>>& catalogue,
                const std::string& cases, const std::string& answers) {
    const std::vector<std::string> asked = Lines(cases);
    const std::vector<std::string> answered = Lines(answers);
    Check(asked.size() == answered.size() && !asked.empty(), "cases and answers do not pair");
    for (std::size_t i = 0; i < asked.size() && i < answered.size(); ++i) {
        const std::vector<std::string> input = Fields(asked[i]);
        const std::vector<std::string> answer = Fields(answered[i]);
        bool found = false;
        for (std::size_t k = 0; k < catalogue.size() && !found; ++k) {
            for (std::size_t kind = 0; kind < catalogue[k].size() && !found; ++kind) {
                const auto& types = catalogue[k][kind].types;
                for (std::size_t type = 0; type < types.size() && !found; ++type) {
                    if (types[type] == input[0]) {
                        found = true;
                        c.Press(c.Control("Option1_" + std::to_string(k)));
                        c.Select(c.Control("List1"), static_cast<int>(kind));
                        c.Select(c.Control("List2"), static_cast<int>(type));
                    }
                }
            }
        }
        Check(found, input[0] + " is not in the catalogue");
        SendMessageW(c.Control("txtBd"), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(Wide(input.at(1)).c_str()));
        const std::optional<Box> box = c.Press(c.Control("Command1"));
        const std::string& note = answer.at(3);
        const std::string where = input[0] + " " + input[1];
        Check(Text(c.Control("txtBd")) == answer.at(1),
              where + ": the amount reads " + Text(c.Control("txtBd")));
        Check(Text(c.Control("txtFysf")) == answer.at(2),
              where + ": the fee reads " + Text(c.Control("txtFysf")));
        Check(box.has_value() == !note.empty() &&
                  (!box || box->prompt == note || box->title + "：" + box->prompt == note),
              where + ": message box " +
                  (box ? "\"" + box->title + "\" \"" + box->prompt + "\"" : "missing"));
        Check(!box || box->modal, where + ": the message box is not modal to the calculator");
        // Both boxes show the start of what the window wrote: a fee of 309 digits its leading 5.
        for (const char* name : {"txtBd", "txtFysf"}) {
            const LRESULT first = SendMessageW(c.Control(name), EM_POSFROMCHAR, 0, 0);
            const auto x = static_cast<short>(LOWORD(first));
            Check(Text(c.Control(name)).empty() || (x >= 0 && x < 8),
                  where + ": " + name + " does not show its start");
        }
    }
}

HWND FeeRulesWindow() { return FindWindowW(zq::win::kForm2Class, Wide(zp::kForm2Title).c_str()); }

void CheckFeeRulesAndExit(const Calculator& c, HANDLE process, const std::string& measures) {
    Check(!c.Press(c.Control("Command3")), "a box after 收费细则");
    HWND rules = nullptr;
    WaitFor([&] { return (rules = FeeRulesWindow()) != nullptr; }, "the fee-rules window");
    HWND text = GetDlgItem(rules, zq::win::kText1Id);
    const auto style = GetWindowLongPtrW(text, GWL_STYLE);
    Check((style & (ES_READONLY | ES_MULTILINE | WS_VSCROLL)) ==
              (ES_READONLY | ES_MULTILINE | WS_VSCROLL),
          "the Measures' box is not read-only, multi-line and scrolled");
    Check(Text(text) == measures, "the fee-rules window does not hold the Measures");
    const zq::win::Dpi dpi(GetDpiForSystem());
    RECT client;
    GetClientRect(rules, &client);
    Check(client.right == dpi(zp::kForm2Width) && client.bottom == dpi(zp::kForm2Height),
          "the fee-rules window's size");
    // Beside the calculator where the screen has room for both: none of the calculator's
    // buttons, lists or boxes under it.
    RECT frame;
    RECT calculator;
    RECT work;
    GetWindowRect(rules, &frame);
    GetWindowRect(c.window, &calculator);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const bool room =
        work.right - work.left >= (frame.right - frame.left) + (calculator.right - calculator.left);
    for (const zp::ControlPlace& place : zp::Form1Controls()) {
        if (!room) {
            break;
        }
        RECT control;
        RECT overlap;
        GetWindowRect(c.Control(place.name), &control);
        Check(place.kind == zp::ControlKind::Label || !IntersectRect(&overlap, &frame, &control),
              "the fee-rules window covers " + std::string(place.name));
    }
    // A second press brings the one window back from the taskbar.
    ShowWindow(rules, SW_MINIMIZE);
    WaitFor([&] { return IsIconic(rules) != FALSE; }, "the fee-rules window minimised");
    c.Press(c.Control("Command3"));
    WaitFor([&] { return IsIconic(rules) == FALSE; }, "the fee-rules window restored");
    Check(FindWindowExW(nullptr, rules, zq::win::kForm2Class, nullptr) == nullptr &&
              FeeRulesWindow() == rules,
          "a second fee-rules window");
    // 退出 closes the calculator and leaves the fee rules open and answering.
    c.Press(c.Control("Command2"));
    WaitFor([&] { return IsWindow(c.window) == FALSE; }, "the calculator closed");
    Check(IsWindow(rules) && Text(text) == measures, "the fee-rules window went with 退出");
    Check(WaitForSingleObject(process, 0) == WAIT_TIMEOUT, "the program ended with 退出");
    // Its last window closed, the program ends, and ends well.
    PostMessageW(rules, WM_CLOSE, 0, 0);
    WaitFor([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }, "the program's end");
    DWORD code = 1;
    Check(GetExitCodeProcess(process, &code) && code == 0, "exit code " + std::to_string(code));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 6) {
        std::fprintf(stderr,
                     "usage: zorvikquillet_window_test <exe> <listing> <cases> <answers> "
                     "<measures.txt>\n");
        return 2;
    }
    // Aware of each monitor's scale as the program is, so that its windows are measured in the
    // pixels they have, not scaled back to 96 DPI for a program that knows none.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const auto catalogue = Catalogue(ReadFile(argv[2]));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    if (catalogue.size() != 2 || !CreateProcessW(argv[1], command.data(), nullptr, nullptr, FALSE,
                                                 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "cannot start %ls or read its catalogue\n", argv[1]);
        return 2;
    }
    Calculator c;
    const std::wstring title = Wide(zp::kForm1Title);
    if (WaitFor(
            [&] {
                c.window = FindWindowW(zq::win::kForm1Class, title.c_str());
                return c.window != nullptr && IsWindowVisible(c.window);
            },
            "the calculator window")) {
        CheckStart(c, catalogue);
        CheckCascades(c, catalogue);
        CheckCases(c, catalogue, ReadFile(argv[3]), ReadFile(argv[4]));
        std::string measures = ReadFile(argv[5]);
        CheckFeeRulesAndExit(c, process.hProcess, measures);
    }
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::printf("%s\n", failures == 0 ? "ok" : "FAILED");
    return failures == 0 ? 0 : 1;
}
