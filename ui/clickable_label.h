// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace zq::ui {

// A label that reports a click (press and release inside it) with its index in its array; a
// double-click is one click. A link (the maker's address) also takes the focus from Tab, shows it
// with a focus frame, is pressed by Enter or Space, and is a link a screen reader can press.
class ClickableLabel final : public QLabel {
    Q_OBJECT
  public:
    ClickableLabel(int index, const QString& text, QWidget* parent);
    int index() const { return index_; }
    void setLink(bool link);
    bool isLink() const { return link_; }
    // What a click does: the press of a screen reader or a key.
    void activate() { emit clicked(index_); }

  signals:
    void clicked(int index);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    int index_;
    bool pressed_ = false;
    bool link_ = false;
};

}  // namespace zq::ui
