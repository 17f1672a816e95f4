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

// Whether RunCourtfee with these arguments will read standard input (--batch, --mcp), so that a
// front end can leave a console's input alone when nothing will be read from it.
bool ReadsStandardInput(int argc, const char* const* argv);

}  // namespace zq::cli
