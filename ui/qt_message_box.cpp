// SPDX-License-Identifier: MIT
#include "ui/qt_message_box.h"

#include <QMessageBox>

namespace zq::ui {

void QtMessageBoxService::Show(const Message& message) {
    const QMessageBox::Icon icon = message.flags == kCriticalIcon      ? QMessageBox::Critical
                                   : message.flags == kExclamationIcon ? QMessageBox::Warning
                                                                       : QMessageBox::NoIcon;
    QMessageBox box(icon, QString::fromStdString(message.title),
                    QString::fromStdString(message.prompt), QMessageBox::Ok, owner_);
    box.exec();
}

}  // namespace zq::ui
