// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "present/notice.h"

class QMessageBox;

namespace zq::ui {

// Shows the notices the calculator asks for, modally. The window program shows them with Qt;
// tests record them instead, so that none blocks.
class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;
    virtual void Show(const present::Notice& notice) = 0;
};

// Room a window manager's title bar takes besides the title: the icon, up to three buttons and
// the padding between them, at the window's font size.
inline constexpr int kTitleBarAllowance = 150;

// The narrowest a message box may be: wide enough for its title in full in the title bar.
int MessageBoxMinimumWidth(const QMessageBox& box);

// The box that shows a notice over the owner window: its title and prompt, the warning or the
// critical icon, and an OK button.
std::unique_ptr<QMessageBox> MessageBoxOf(const present::Notice& notice, QWidget* owner);

// The message-box service on Qt: the notice's box, modal over the given window.
class QtMessageBoxService final : public MessageBoxService {
  public:
    explicit QtMessageBoxService(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    void Show(const present::Notice& notice) override;

  private:
    QPointer<QWidget> owner_;
};

}  // namespace zq::ui
