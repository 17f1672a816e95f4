// SPDX-License-Identifier: MIT
#include "ui/option_button.h"

#include <QKeyEvent>

namespace zq::ui {

void OptionButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool back = key == Qt::Key_Up || key == Qt::Key_Left;
    if ((!back && key != Qt::Key_Down && key != Qt::Key_Right) || parentWidget() == nullptr) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    // Qt moves only towards a button that lies in the arrow's direction, and the two options
    // stand side by side; Windows goes round the group whatever the arrow.
    const QList<OptionButton*> group =
        parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly);
    const auto count = group.size();
    OptionButton* next = group.at((group.indexOf(this) + (back ? count - 1 : 1)) % count);
    next->setFocus(Qt::TabFocusReason);
    next->click();
    event->accept();
}

}  // namespace zq::ui
