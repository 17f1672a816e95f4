// SPDX-License-Identifier: MIT
#include "ui/qt_message_box.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include "ui/qt_values.h"

namespace zq::ui {

int MessageBoxMinimumWidth(const QMessageBox& box) {
    return box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarAllowance;
}

std::unique_ptr<QMessageBox> MessageBoxOf(const present::Notice& notice, QWidget* owner) {
    const QMessageBox::Icon icon =
        notice.icon == present::NoticeIcon::Error ? QMessageBox::Critical : QMessageBox::Warning;
    auto box = std::make_unique<QMessageBox>(icon, ToQString(notice.title),
                                             ToQString(notice.prompt), QMessageBox::Ok, owner);
    // A box sizes itself to its text, and "溢出" alone leaves the title bar no room for its
    // title. A spacer across the box's grid is the one width QMessageBox does not override.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        grid->addItem(new QSpacerItem(MessageBoxMinimumWidth(*box), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box;
}

void QtMessageBoxService::Show(const present::Notice& notice) {
    MessageBoxOf(notice, owner_)->exec();
}

}  // namespace zq::ui
