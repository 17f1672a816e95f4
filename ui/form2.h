// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>
#include <QWidget>

namespace zq::ui {

// The fee-rules window: the full text of the Measures in one read-only, vertically scrolling box
// that fills the window, placed as present/form_layout.h says. Fixed size; close button only; no
// handlers of its own.
class Form2 final : public QWidget {
    Q_OBJECT
  public:
    explicit Form2(QWidget* parent = nullptr);

    QPlainTextEdit* Text1() const { return text1_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPlainTextEdit* text1_;
};

}  // namespace zq::ui
