// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "cli/courtfee_app.h"

namespace zq::cli::test_support {

// Runs the command with the given arguments and standard input, capturing both outputs.
struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ReadAll(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char buf[4096];
    std::size_t got = 0;
    while ((got = std::fread(buf, 1, sizeof buf, file)) > 0) {
        text.append(buf, got);
    }
    std::fclose(file);
    return text;
}

inline CommandRun Courtfee(std::vector<std::string> args, const std::string& input = {}) {
    args.insert(args.begin(), "courtfee");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    CommandRun run;
    run.status = RunCourtfee(static_cast<int>(argv.size()), argv.data(), in, out, err);
    std::fclose(in);
    run.out = ReadAll(out);
    run.err = ReadAll(err);
    return run;
}

}  // namespace zq::cli::test_support
