// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace zq::ui {

// A label that reports a click (press and release inside it) with its index in its array.
class ClickableLabel final : public QLabel {
    Q_OBJECT
  public:
    ClickableLabel(int index, const QString& text, QWidget* parent);
    int index() const { return index_; }

  signals:
    void clicked(int index);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int index_;
    bool pressed_ = false;
};

}  // namespace zq::ui
