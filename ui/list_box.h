// SPDX-License-Identifier: MIT
#pragma once

#include <QListWidget>

namespace zq::ui {

// A list box as the Windows one it imitates: single selection that the user can move but never
// remove (a click on empty space or a Ctrl+click changes nothing), rows of kListRowHeight with no
// partial row at the bottom, a dotted focus rectangle around the current entry while the list has
// the focus, and the full text as a tooltip over an entry too long for the list's width.
class ListBox final : public QListWidget {
    Q_OBJECT
  public:
    explicit ListBox(QWidget* parent);

    // Places the list and keeps the rows whole: the pixels left over below the last whole row
    // become blank margins above and below the rows.
    void setListGeometry(const QRect& rect);
    // Selects the row (-1: none) and shows it, without taking the focus.
    void selectRow(int row);

  protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The row of a list's selected entry; -1 when none is selected.
int SelectedRow(const QListWidget* list);

}  // namespace zq::ui
