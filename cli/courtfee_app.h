// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>

namespace zq::cli {

enum ExitCode : int {
    kExitOk = 0,
    kExitFailed = 1,  // a rejected amount, a calculation failure, an unknown case type
    kExitUsage = 2,
};

// The courtfee command: argv as main receives it, the three standard streams passed in so that
// tests can use files.
int RunCourtfee(int argc, const char* const* argv, std::FILE* in, std::FILE* out, std::FILE* err);

// What RunCourtfee with these arguments reads from standard input: nothing, case lines (--batch)
// or protocol messages (--mcp). A front end prepares the input for it, and leaves a console's
// input alone when nothing will be read from it.
enum class InputUse { None, CaseLines, Protocol };
InputUse StandardInputUse(int argc, const char* const* argv);

}  // namespace zq::cli
