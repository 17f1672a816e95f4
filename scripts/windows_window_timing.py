#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Times zorvikquillet.exe's start under Wine against courtfee.exe's, the runs alternating in one
session: from CreateProcess to the calculator window shown (IsWindowVisible), and for courtfee.exe
from CreateProcess to its exit after one fee. A small Windows program, compiled here with the
build's MinGW-w64, starts both and times them with QueryPerformanceCounter, so Wine's own
launcher is not counted; it closes each window once seen. Prints the median of each and the
extremes. Needs the windows build and its tests' Wine prefix (ctest --preset windows).

  python3 scripts/windows_window_timing.py [RUNS]
"""
import os
import statistics
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WINE = "/usr/lib/wine/wine64"
BIN = os.path.join(ROOT, "build-windows", "bin")

PROBE = r"""
#include <windows.h>
#include <cstdio>
#include <string>
static double Now() {
    LARGE_INTEGER t, f;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&f);
    return 1000.0 * t.QuadPart / f.QuadPart;
}
// courtfee.exe writes its fee to NUL, as a script that keeps only the exit status would.
static PROCESS_INFORMATION Start(std::wstring command) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    static HANDLE nul = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit,
                                    OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW s{};
    s.cb = sizeof s;
    s.dwFlags = STARTF_USESTDHANDLES;
    s.hStdInput = nul;
    s.hStdOutput = nul;
    s.hStdError = nul;
    PROCESS_INFORMATION p{};
    CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &s, &p);
    return p;
}
int wmain(int argc, wchar_t** argv) {
    const int runs = _wtoi(argv[3]);
    for (int i = 0; i < runs; ++i) {
        double t = Now();
        PROCESS_INFORMATION p = Start(L"\"" + std::wstring(argv[2]) + L"\" 1、财产案件 10000");
        WaitForSingleObject(p.hProcess, INFINITE);
        std::printf("courtfee %.3f\n", Now() - t);
        CloseHandle(p.hProcess); CloseHandle(p.hThread);
        t = Now();
        p = Start(L"\"" + std::wstring(argv[1]) + L"\"");
        HWND w = nullptr;
        while (!(w = FindWindowW(L"ZorvikQuillet.Form1", nullptr)) || !IsWindowVisible(w)) {
            Sleep(1);  // polls without taking a core from the program it waits for
        }
        std::printf("window %.3f\n", Now() - t);
        PostMessageW(w, WM_CLOSE, 0, 0);
        WaitForSingleObject(p.hProcess, INFINITE);
        CloseHandle(p.hProcess); CloseHandle(p.hThread);
    }
    return 0;
}
"""


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 15
    work = tempfile.mkdtemp(prefix="window-timing-")
    source = os.path.join(work, "probe.cpp")
    with open(source, "w", encoding="utf-8") as out:
        out.write(PROBE)
    probe = os.path.join(work, "probe.exe")
    subprocess.run(["x86_64-w64-mingw32-g++-posix", "-O2", "-municode", "-static", source, "-o",
                    probe], check=True)
    env = dict(os.environ, WINEPREFIX=os.path.join(ROOT, "build-windows", "wine"),
               WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=", LC_ALL="C.UTF-8")
    env.pop("DISPLAY", None)
    # One run first, untimed, so that Wine's session is up and the files are in the page cache.
    subprocess.run([WINE, probe, os.path.join(BIN, "zorvikquillet.exe"),
                    os.path.join(BIN, "courtfee.exe"), "1"], env=env, check=True,
                   capture_output=True)
    output = subprocess.run([WINE, probe, os.path.join(BIN, "zorvikquillet.exe"),
                             os.path.join(BIN, "courtfee.exe"), str(runs)], env=env, check=True,
                            capture_output=True, text=True).stdout
    times = {"courtfee": [], "window": []}
    for line in output.splitlines():
        name, milliseconds = line.split()
        times[name].append(float(milliseconds))
    for name, label in (("courtfee", "courtfee.exe, one fee, start to exit"),
                        ("window", "zorvikquillet.exe, start to the window shown")):
        spent = times[name]
        print(f"{label}: median {statistics.median(spent):.1f} ms over {len(spent)} runs "
              f"({min(spent):.1f} to {max(spent):.1f})")


if __name__ == "__main__":
    main()
