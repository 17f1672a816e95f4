// SPDX-License-Identifier: MIT
#include "ui/centre_on_screen.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace zq::ui {
namespace {

bool FrameKnown(const QWidget* window) { return window->frameGeometry().size() != window->size(); }

void MoveFrameToCentre(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // A top-level widget's move() places its frame's top-left corner.
    window->move(CentredFramePosition(screen->availableGeometry(), window->frameGeometry().size()));
}

// Centres the window again at the first event that finds its frame known, then goes away.
class CentreWhenFramed final : public QObject {
  public:
    using QObject::QObject;

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
            MoveFrameToCentre(window);
        }
        return false;
    }
};

}  // namespace

QPoint CentredFramePosition(const QRect& available, const QSize& frame) {
    return {available.x() + std::max(0, (available.width() - frame.width()) / 2),
            available.y() + std::max(0, (available.height() - frame.height()) / 2)};
}

void CentreOnScreen(QWidget* window) {
    MoveFrameToCentre(window);
    const QString name = QStringLiteral("CentreWhenFramed");
    if (!FrameKnown(window) &&
        window->findChild<QObject*>(name, Qt::FindDirectChildrenOnly) == nullptr) {
        auto* filter = new CentreWhenFramed(window);
        filter->setObjectName(name);
        window->installEventFilter(filter);
    }
}

}  // namespace zq::ui
