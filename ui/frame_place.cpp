// SPDX-License-Identifier: MIT
#include "ui/frame_place.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "present/window_place.h"
#include "ui/qt_values.h"

namespace zq::ui {
namespace {

bool FrameKnown(const QWidget* window) { return window->frameGeometry().size() != window->size(); }

void MoveFrame(QWidget* window, const FramePlace& place) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // A top-level widget's move() places its frame's top-left corner.
    window->move(place(screen->availableGeometry(), window->frameGeometry().size()));
}

// Places the window again at the first event that finds its frame known, then goes away.
class PlaceWhenFramed final : public QObject {
  public:
    PlaceWhenFramed(QWidget* window, FramePlace place)
        : QObject(window), place_(std::move(place)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        const QEvent::Type type = event->type();
        // On X11 the frame becomes known with the Move that follows the window manager's framing.
        if ((type == QEvent::Move || type == QEvent::Show || type == QEvent::Resize ||
             type == QEvent::Paint) &&
            window->isVisible() && FrameKnown(window)) {
            window->removeEventFilter(this);
            deleteLater();
            MoveFrame(window, place_);
        }
        return false;
    }

  private:
    FramePlace place_;
};

}  // namespace

QPoint CentredFramePosition(const QRect& available, const QSize& frame) {
    return {available.x() + std::max(0, (available.width() - frame.width()) / 2),
            available.y() + std::max(0, (available.height() - frame.height()) / 2)};
}

void PlaceFrame(QWidget* window, FramePlace place) {
    MoveFrame(window, place);
    const QString name = QStringLiteral("PlaceWhenFramed");
    if (!FrameKnown(window)) {
        delete window->findChild<QObject*>(name, Qt::FindDirectChildrenOnly);
        auto* filter = new PlaceWhenFramed(window, std::move(place));
        filter->setObjectName(name);
        window->installEventFilter(filter);
    }
}

void CentreOnScreen(QWidget* window) { PlaceFrame(window, CentredFramePosition); }

void PlaceBeside(QWidget* window, const QWidget* calculator) {
    const QRect frame = calculator->frameGeometry();
    const QRect children = calculator->childrenRect();
    const QRect controls(calculator->mapToGlobal(children.topLeft()), children.size());
    PlaceFrame(window, [frame, controls](const QRect& available, const QSize& size) {
        const present::Point at = present::BesideOf(ToRect(frame), ToRect(controls), size.width(),
                                                    size.height(), ToRect(available));
        return QPoint(at.x, at.y);
    });
}

}  // namespace zq::ui
