// SPDX-License-Identifier: MIT
// courtfee.exe: the arguments arrive as UTF-16 (wmain), whatever the system's code page.
#include <string>
#include <string_view>
#include <vector>

#include "cli/courtfee_app.h"
#include "cli/windows/windows_console.h"

// As programs built with Microsoft's compilers: "*" and "?" in an argument are not file patterns.
extern "C" {
int _dowildcard = 0;  // NOLINT(bugprone-reserved-identifier): the MinGW runtime's switch
}

namespace {

constexpr std::string_view kTypeTheCases =
    "逐行输入“案件类型<Tab>标的金额”，输完后按 Ctrl+Z 再按 Enter 得出收费。\n"
    "Type one case a line, TYPE<Tab>AMOUNT; then Ctrl+Z and Enter for the fees.\n";

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments = zq::cli::Utf8Arguments(argc, argv);
    // Windows programs answer /? with their usage.
    if (arguments.size() == 2 && (arguments[1] == "/?" || arguments[1] == "-?")) {
        arguments[1] = "--help";
    }
    // Opened from Explorer, courtfee would print a usage error into a window that closes at
    // once: it shows the usage instead, and keeps the window until Enter is pressed.
    const bool ownWindow = arguments.size() == 1 && zq::cli::StartedInItsOwnConsole();
    if (ownWindow) {
        arguments.emplace_back("--help");
    }
    std::vector<const char*> pointers;
    pointers.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments) {
        pointers.push_back(argument.c_str());
    }
    pointers.push_back(nullptr);
    const int count = static_cast<int>(arguments.size());
    const zq::cli::InputUse input = zq::cli::StandardInputUse(count, pointers.data());
    int status = 0;
    {
        const zq::cli::StandardStreams streams(
            input, input == zq::cli::InputUse::CaseLines ? kTypeTheCases : std::string_view());
        status = zq::cli::RunCourtfee(count, pointers.data(), streams.in(), streams.out(),
                                      streams.err());
    }
    if (ownWindow) {
        zq::cli::WaitForEnter("\n按 Enter 键关闭此窗口 / Press Enter to close this window.");
    }
    return status;
}
