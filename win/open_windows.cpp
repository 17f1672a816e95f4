// SPDX-License-Identifier: MIT
#include "win/open_windows.h"

#include <windows.h>

namespace zq::win {
namespace {

int open = 0;  // touched only by the one thread that owns the windows

}  // namespace

void CountWindowIn() { ++open; }

void CountWindowOut() {
    if (--open == 0) {
        PostQuitMessage(0);
    }
}

}  // namespace zq::win
