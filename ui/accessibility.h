// SPDX-License-Identifier: MIT
#pragma once

namespace zq::ui {

// What Qt does not tell a screen reader by itself: the two windows are frames (Qt calls a plain
// top-level widget a filler), a line is a separator, and the maker's address is a link that can
// be pressed. Installed
// once; safe to call again.
void InstallAccessibility();

}  // namespace zq::ui
