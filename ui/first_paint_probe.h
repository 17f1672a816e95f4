// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace zq::ui {

// For the start-up measurement only: when ZQ_FIRST_PAINT_PROBE is set in the environment, the
// window's first paint prints the wall-clock time in nanoseconds and the peak resident memory,
// "first_paint_ns=… peak_rss_kb=…", on stderr, and the application quits. Otherwise nothing.
void InstallFirstPaintProbe(QWidget* window);

}  // namespace zq::ui
