// SPDX-License-Identifier: MIT
#include "ui/qt_message_box.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace zq::ui {

int MessageBoxMinimumWidth(const QMessageBox& box) {
    return box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarAllowance;
}

void QtMessageBoxService::Show(const Message& message) {
    const QMessageBox::Icon icon = message.flags == kCriticalIcon      ? QMessageBox::Critical
                                   : message.flags == kExclamationIcon ? QMessageBox::Warning
                                                                       : QMessageBox::NoIcon;
    QMessageBox box(icon, QString::fromStdString(message.title),
                    QString::fromStdString(message.prompt), QMessageBox::Ok, owner_);
    // A box sizes itself to its text, and "溢出" alone leaves the title bar no room for its
    // title. A spacer across the box's grid is the one width QMessageBox does not override.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(MessageBoxMinimumWidth(box), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
}

}  // namespace zq::ui
