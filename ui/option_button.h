// SPDX-License-Identifier: MIT
#pragma once

#include <QRadioButton>

namespace zq::ui {

// An option button as on Windows: the whole box the layout gives it answers a click, not only its
// circle and caption, and the four arrow keys move round the options of its window (Up and Left
// back, Down and Right on), turning on the one they reach.
class OptionButton final : public QRadioButton {
    Q_OBJECT
  public:
    OptionButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zq::ui
