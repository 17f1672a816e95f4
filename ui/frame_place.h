// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace zq::ui {

// Where a window frame of the given size goes to be centred in the screen's available area. A
// frame taller or wider than the area keeps its title bar on screen instead.
QPoint CentredFramePosition(const QRect& available, const QSize& frame);

// Centres a top-level window's whole frame, title bar included, on its screen. Before the window
// manager has framed the window its frame is not known: the window is centred by its client area
// and centred again as soon as the frame is known (under openbox, before its first paint).
void CentreOnScreen(QWidget* window);

}  // namespace zq::ui
