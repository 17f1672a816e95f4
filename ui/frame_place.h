// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>

class QWidget;

namespace zq::ui {

// Where a window frame of the given size goes to be centred in the screen's available area. A
// frame taller or wider than the area keeps its title bar on screen instead.
QPoint CentredFramePosition(const QRect& available, const QSize& frame);

// Moves a top-level window's whole frame, title bar included, to where `place` puts a frame of
// its size in its screen's available area. Before the window manager has framed the window its
// frame is not known: the window is placed by its client area and placed again as soon as the
// frame is known (under openbox, before its first paint).
using FramePlace = std::function<QPoint(const QRect& available, const QSize& frame)>;
void PlaceFrame(QWidget* window, FramePlace place);

// Centres the window's frame on its screen.
void CentreOnScreen(QWidget* window);

// Opens the fee-rules window beside the calculator, as present::BesideOf says, clear of the
// calculator's controls.
void PlaceBeside(QWidget* window, const QWidget* calculator);

}  // namespace zq::ui
