// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>

namespace zq::ui {

// A one-line text box as on Windows: no length limit, and Alt with a letter types nothing (the
// window has no access keys for it to press; AltGr, which Windows reports as Ctrl+Alt, still
// types). Its tooltip stays by the pointer where the screen is narrow for it.
class TextBox final : public QLineEdit {
    Q_OBJECT
  public:
    explicit TextBox(QWidget* parent);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zq::ui
