// SPDX-License-Identifier: MIT
// courtfee.exe: the arguments arrive as UTF-16 (wmain), whatever the system's code page.
#include <string>
#include <vector>

#include "cli/courtfee_app.h"
#include "cli/windows_console.h"

// As programs built with Microsoft's compilers: "*" and "?" in an argument are not file patterns.
extern "C" {
int _dowildcard = 0;  // NOLINT(bugprone-reserved-identifier): the MinGW runtime's switch
}

int wmain(int argc, wchar_t** argv) {
    const std::vector<std::string> arguments = zq::cli::Utf8Arguments(argc, argv);
    std::vector<const char*> pointers;
    pointers.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments) {
        pointers.push_back(argument.c_str());
    }
    pointers.push_back(nullptr);
    const zq::cli::StandardStreams streams(zq::cli::StandardInputUse(argc, pointers.data()));
    return zq::cli::RunCourtfee(argc, pointers.data(), streams.in(), streams.out(), streams.err());
}
