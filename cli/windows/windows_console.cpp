// SPDX-License-Identifier: MIT
#include "cli/windows/windows_console.h"

// clang-format off
#include <windows.h>
// clang-format on
#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "cli/windows/case_text_decoder.h"
#include "cli/windows/utf8_checks.h"
#include "cli/windows/windows_text.h"

namespace zq::cli {
namespace {

std::wstring FromUtf8(std::string_view text) { return Widen(CP_UTF8, text); }

bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

// A C stream on the handle, which it takes: on failure the handle is closed, so that a pipe's
// reader never waits for a writer that does not exist.
std::FILE* StreamOn(HANDLE handle, const char* mode, int access) {
    const int descriptor =
        _open_osfhandle(reinterpret_cast<std::intptr_t>(handle), access | _O_BINARY);
    if (descriptor < 0) {
        CloseHandle(handle);
        return nullptr;
    }
    std::FILE* stream = _fdopen(descriptor, mode);
    if (stream == nullptr) {
        _close(descriptor);
    }
    return stream;
}

void WriteToConsole(HANDLE console, std::wstring_view text) {
    // Old consoles refuse very long writes; a pair of surrogates is never cut in two.
    constexpr std::size_t kMostUnits = 8192;
    while (!text.empty()) {
        std::size_t units = std::min(text.size(), kMostUnits);
        if (units < text.size() && IsHighSurrogate(text[units - 1])) {
            --units;
        }
        DWORD written = 0;
        if (!WriteConsoleW(console, text.data(), static_cast<DWORD>(units), &written, nullptr) ||
            written == 0) {
            return;
        }
        text.remove_prefix(written);
    }
}

// Shows on the console what arrives through the pipe, converting whole UTF-8 sequences only.
void ShowOnConsole(HANDLE pipe, HANDLE console) {
    std::string pending;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        pending.append(buffer, got);
        const std::size_t complete = CompleteUtf8Prefix(pending);
        WriteToConsole(console, FromUtf8(std::string_view(pending).substr(0, complete)));
        pending.erase(0, complete);
    }
    WriteToConsole(console, FromUtf8(pending));  // a sequence cut by the end of the output
    CloseHandle(pipe);
}

bool WriteAll(HANDLE pipe, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        if (!WriteFile(pipe, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

// Feeds what is typed at the console into the pipe as UTF-8. Ctrl+Z ends the input, as in every
// Windows console program; what was typed before it on its line is the last line.
void FeedFromConsole(HANDLE console, HANDLE pipe) {
    constexpr wchar_t kEndOfInput = 0x1A;
    wchar_t buffer[4096];
    std::wstring pending;
    bool ended = false;
    DWORD got = 0;
    for (;;) {
        const BOOL read = ReadConsoleW(console, buffer, 4096, &got, nullptr);
        if (!read || got == 0) {
            // Ctrl+C interrupts the read with nothing read. The process ends as Ctrl+C ends it,
            // and not as if the input had ended: the cases typed so far were not all.
            if (read || GetLastError() == ERROR_OPERATION_ABORTED) {
                ExitProcess(STATUS_CONTROL_C_EXIT);
            }
            break;
        }
        for (DWORD i = 0; i < got && !ended; ++i) {
            ended = buffer[i] == kEndOfInput;
            if (!ended) {
                pending.push_back(buffer[i]);
            }
        }
        // A high surrogate waits for its partner from the next read.
        const bool cut = !ended && !pending.empty() && IsHighSurrogate(pending.back());
        const std::size_t ready = pending.size() - (cut ? 1 : 0);
        if (!WriteAll(pipe, ToUtf8(std::wstring_view(pending).substr(0, ready)))) {
            break;  // nobody reads any more
        }
        pending.erase(0, ready);
        if (ended) {
            break;
        }
    }
    CloseHandle(pipe);
}

// The system's ANSI code page (936 on a Chinese Windows) to UTF-8.
std::string AnsiToUtf8(std::string_view text) { return ToUtf8(Widen(CP_ACP, text)); }

// Feeds a case file or pipe into the pipe as UTF-8 lines.
void FeedDecodedCases(HANDLE input, HANDLE pipe) {
    CaseTextDecoder decoder(AnsiToUtf8);
    char buffer[65536];
    DWORD got = 0;
    bool reading = true;
    while (reading && ReadFile(input, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        reading = WriteAll(pipe, decoder.Feed(std::string_view(buffer, got)));
    }
    if (reading) {
        WriteAll(pipe, decoder.Finish());
    }
    CloseHandle(pipe);
}

}  // namespace

bool StartedInItsOwnConsole() {
    DWORD processes[2];
    return GetConsoleProcessList(processes, 2) == 1 && IsConsole(GetStdHandle(STD_OUTPUT_HANDLE));
}

void WaitForEnter(std::string_view prompt) {
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    if (!IsConsole(input)) {
        return;
    }
    WriteToConsole(GetStdHandle(STD_OUTPUT_HANDLE), FromUtf8(prompt));
    wchar_t line[256];
    DWORD got = 0;
    ReadConsoleW(input, line, 256, &got, nullptr);
}

std::vector<std::string> Utf8Arguments(int argc, const wchar_t* const* argv) {
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(argc));
    for (int i = 0; i < argc; ++i) {
        arguments.push_back(ToUtf8(argv[i]));
    }
    return arguments;
}

StandardStreams::StandardStreams(InputUse input, std::string_view typingHint)
    : in_(stdin), out_(stdout), err_(stderr) {
    // No CR LF translation and no Ctrl+Z as end of file: the bytes are the program's.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);

    const HANDLE outHandle = GetStdHandle(STD_OUTPUT_HANDLE);
    const HANDLE errHandle = GetStdHandle(STD_ERROR_HANDLE);
    const bool outIsConsole = IsConsole(outHandle);
    const bool errIsConsole = IsConsole(errHandle);
    HANDLE pipeRead = nullptr;
    HANDLE pipeWrite = nullptr;
    if ((outIsConsole || errIsConsole) && CreatePipe(&pipeRead, &pipeWrite, nullptr, 0)) {
        // Both streams share one pipe, unbuffered, so the console shows them in the order
        // they were written.
        const auto bridge = [&](std::FILE*& stream, HANDLE writeEnd) {
            if (std::FILE* bridged = StreamOn(writeEnd, "wb", _O_WRONLY)) {
                std::setvbuf(bridged, nullptr, _IONBF, 0);
                stream = bridged;
                toConsole_.push_back(bridged);
            }
        };
        HANDLE errWrite = outIsConsole ? nullptr : pipeWrite;
        if (outIsConsole && errIsConsole &&
            !DuplicateHandle(GetCurrentProcess(), pipeWrite, GetCurrentProcess(), &errWrite, 0,
                             FALSE, DUPLICATE_SAME_ACCESS)) {
            errWrite = nullptr;  // stderr then writes to the console as it is
        }
        if (outIsConsole) {
            bridge(out_, pipeWrite);
        }
        if (errWrite != nullptr) {
            bridge(err_, errWrite);
        }
        consoleWriter_ = std::thread(ShowOnConsole, pipeRead, outIsConsole ? outHandle : errHandle);
    }

    // Protocol messages from a pipe are UTF-8 by definition and pass untouched.
    const HANDLE inHandle = GetStdHandle(STD_INPUT_HANDLE);
    const bool console = IsConsole(inHandle);
    inputIsConsole_ = console && input != InputUse::None;
    const bool bridged = input != InputUse::None && (console || input == InputUse::CaseLines);
    // The hint is on the screen before the console is read: a read that has begun would echo
    // the typing over it.
    if (inputIsConsole_ && !typingHint.empty() && errIsConsole) {
        WriteToConsole(errHandle, FromUtf8(typingHint));
    }
    if (bridged && CreatePipe(&pipeRead, &pipeWrite, nullptr, 0)) {
        if (std::FILE* stream = StreamOn(pipeRead, "rb", _O_RDONLY)) {
            in_ = stream;
            inputReader_ = console ? std::thread(FeedFromConsole, inHandle, pipeWrite)
                                   : std::thread(FeedDecodedCases, inHandle, pipeWrite);
        } else {
            CloseHandle(pipeWrite);
        }
    }
}

StandardStreams::~StandardStreams() {
    for (std::FILE* stream : toConsole_) {
        std::fclose(stream);
    }
    if (consoleWriter_.joinable()) {
        consoleWriter_.join();
    }
    // The reader may wait for a line that will never be typed, or for a pipe that is never
    // closed; the process ends without it.
    if (inputReader_.joinable()) {
        inputReader_.detach();
    }
    std::fflush(stdout);
    std::fflush(stderr);
}

}  // namespace zq::cli
