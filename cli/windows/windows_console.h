// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "cli/courtfee_app.h"

namespace zq::cli {

// wmain's arguments as UTF-8, whatever the system's code page (a Chinese Windows runs 936).
std::vector<std::string> Utf8Arguments(int argc, const wchar_t* const* argv);

// Whether courtfee was opened from Explorer: the console window is its own and closes with it.
bool StartedInItsOwnConsole();
// Shows the prompt on the console and waits for Enter, so that a window opened from Explorer
// stays until its text has been read.
void WaitForEnter(std::string_view prompt);

// courtfee's standard streams on Windows. Pipes and files carry the bytes untouched: UTF-8 out
// with bare line feeds, CR LF or LF in; case files saved in UTF-16 or the ANSI code page are
// read as Windows programs save them (CaseTextDecoder). A console window is written and read
// through the console's UTF-16 interface instead, so that Chinese shows and can be typed
// whatever the console's code page. Background threads carry the bytes between the console or
// the case file and the C streams.
class StandardStreams {
  public:
    // input: what standard input will be read for; an unread console is left alone.
    // typingHint: shown on the console when the input is typed there.
    explicit StandardStreams(InputUse input, std::string_view typingHint = {});
    // Closes the bridged streams and waits until the console has shown all that was written.
    ~StandardStreams();
    StandardStreams(const StandardStreams&) = delete;
    StandardStreams& operator=(const StandardStreams&) = delete;

    std::FILE* in() const { return in_; }
    std::FILE* out() const { return out_; }
    std::FILE* err() const { return err_; }

  private:
    std::FILE* in_;
    std::FILE* out_;
    std::FILE* err_;
    bool inputIsConsole_ = false;
    std::vector<std::FILE*> toConsole_;
    std::thread consoleWriter_;
    std::thread inputReader_;
};

}  // namespace zq::cli
