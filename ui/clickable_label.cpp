// SPDX-License-Identifier: MIT
#include "ui/clickable_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace zq::ui {

ClickableLabel::ClickableLabel(int index, const QString& text, QWidget* parent)
    : QLabel(text, parent), index_(index) {}

void ClickableLabel::setLink(bool link) {
    link_ = link;
    setFocusPolicy(link ? Qt::TabFocus : Qt::NoFocus);
}

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
        activate();
    }
}

// The second press of a double-click opens nothing more: the first already did. (QWidget would
// take it for a press of its own.)
void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_ = false;
    event->accept();
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (link_ && event->modifiers() == Qt::NoModifier &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        activate();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QStylePainter painter(this);
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    }
}

}  // namespace zq::ui
