// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

#include "runtime/message_box.h"

class QMessageBox;

namespace zq::ui {

// Room a window manager's title bar takes besides the title: the icon, up to three buttons and
// the padding between them, at the window's font size.
inline constexpr int kTitleBarAllowance = 150;

// The narrowest a message box may be: wide enough for its title in full in the title bar.
int MessageBoxMinimumWidth(const QMessageBox& box);

// The message-box service on Qt: a modal QMessageBox over the given window, with the warning icon
// for flags 48, the critical icon for flags 16, and an OK button.
class QtMessageBoxService final : public MessageBoxService {
  public:
    explicit QtMessageBoxService(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    void Show(const Message& message) override;

  private:
    QPointer<QWidget> owner_;
};

}  // namespace zq::ui
