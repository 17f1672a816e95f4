// SPDX-License-Identifier: MIT
#include "ui/text_box.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>
#include <limits>

namespace zq::ui {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(std::numeric_limits<int>::max());
}

bool TextBox::event(QEvent* event) {
    const bool handled = QLineEdit::event(event);
    if (event->type() != QEvent::ToolTip) {
        return handled;
    }
    // A tip that does not fit right of the pointer Qt puts left of it, and where that does not fit
    // either, against the screen's left edge: at 2x, with half the pixels for it, the fee's
    // explanation stood 300 pixels from the pointer. It is moved back as far right as the screen
    // allows instead, as Windows places a tip.
    const int pointer = static_cast<QHelpEvent*>(event)->globalPos().x();
    for (QWidget* tip : QApplication::topLevelWidgets()) {
        if (tip->inherits("QTipLabel") && tip->isVisible()) {
            const QRect screen = tip->screen()->availableGeometry();
            tip->move(
                std::max(screen.left(), std::min(pointer + 2, screen.right() + 1 - tip->width())),
                tip->y());
        }
    }
    return handled;
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier) &&
        !event->text().isEmpty() && event->text().front().isPrint()) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace zq::ui
