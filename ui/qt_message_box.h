// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

#include "runtime/message_box.h"

namespace zq::ui {

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
