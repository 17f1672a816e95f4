// SPDX-License-Identifier: MIT
#include "ui/qt_message_box.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QSpacerItem>
#include <QTimer>

#include "ui/qt_values.h"

namespace zq::ui {
namespace {

// A window manager may minimise a box whatever it asks for (openbox offers it on every dialog),
// and takes the window it belongs to along: both would vanish, the calculator blocked until the
// box came back. The box comes straight back instead, and its window with it.
class StaysUp final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::WindowStateChange && box->isMinimized()) {
            // Once the window manager has finished minimising, not in the midst of it.
            QTimer::singleShot(0, box, [box] {
                if (QWidget* owner = box->parentWidget(); owner != nullptr) {
                    owner->showNormal();
                }
                box->showNormal();
                box->activateWindow();
            });
        }
        return false;
    }
};

}  // namespace

int MessageBoxMinimumWidth(const QMessageBox& box) {
    return box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarAllowance;
}

std::unique_ptr<QMessageBox> MessageBoxOf(const present::Notice& notice, QWidget* owner) {
    const QMessageBox::Icon icon =
        notice.icon == present::NoticeIcon::Error ? QMessageBox::Critical : QMessageBox::Warning;
    auto box = std::make_unique<QMessageBox>(icon, ToQString(notice.title),
                                             ToQString(notice.prompt), QMessageBox::Ok, owner);
    // Modal to its window, as on Windows, and neither minimised nor maximised. (QMessageBox turns
    // a window-modal box into a sheet, with the default flags: the flags come after.)
    box->setWindowModality(Qt::WindowModal);
    box->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                        Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    box->installEventFilter(new StaysUp(box.get()));
    if (auto* icon = box->findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"))) {
        icon->setAccessibleName(ToQString(present::IconName(notice.icon)));
    }
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
