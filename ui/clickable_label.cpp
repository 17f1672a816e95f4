// SPDX-License-Identifier: MIT
#include "ui/clickable_label.h"

#include <QMouseEvent>

namespace zq::ui {

ClickableLabel::ClickableLabel(int index, const QString& text, QWidget* parent)
    : QLabel(text, parent), index_(index) {}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) {
        emit clicked(index_);
    }
}

}  // namespace zq::ui
