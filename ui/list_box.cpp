// SPDX-License-Identifier: MIT
#include "ui/list_box.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>

#include "present/form_layout.h"

namespace zq::ui {
namespace {

using present::kListRowHeight;

using Flags = QItemSelectionModel::SelectionFlags;

class ListBoxDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& /*option*/,
                   const QModelIndex& /*index*/) const override {
        // No width of its own: a row is as wide as the list, so that an entry too long for it is
        // cut with "…" at the list's edge and its tooltip shown. A row as wide as its text would
        // widen every row of a list whose one entry is long, and the tooltip would not know it cut.
        return {1, kListRowHeight};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        // The style draws its focus frame in the selection colour, which vanishes on the
        // selected entry; draw the Windows dotted rectangle instead, in the entry's text colour.
        QStyleOptionViewItem plain = option;
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
        if (!option.state.testFlag(QStyle::State_HasFocus)) {
            return;
        }
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        QPen pen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        pen.setCosmetic(true);
        pen.setDashPattern({1, 1});
        painter->save();
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override {
        if (event->type() != QEvent::ToolTip || !index.isValid()) {
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        }
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        // The style elides the text to its text rectangle less a margin on each side.
        const QWidget* widget = item.widget;
        QStyle* style = widget != nullptr ? widget->style() : view->style();
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &item, widget) + 1;
        const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
        if (item.fontMetrics.horizontalAdvance(item.text) > textRect.width() - 2 * margin) {
            QToolTip::showText(event->globalPos(), item.text, view->viewport(),
                               view->visualRect(index));
        } else {
            QToolTip::hideText();
        }
        return true;
    }
};

}  // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setItemDelegate(new ListBoxDelegate(this));
    // The margins left around the rows are the list's own white, not the window's grey.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void ListBox::setListGeometry(const QRect& rect) {
    setGeometry(rect);
    const int inner = rect.height() - 2 * frameWidth();
    const int spare = inner % kListRowHeight;
    setViewportMargins(0, spare / 2, 0, spare - spare / 2);
}

Flags ListBox::selectionCommand(const QModelIndex& index, const QEvent* event) const {
    const Flags flags = QListWidget::selectionCommand(index, event);
    if (!index.isValid() || (event != nullptr && event->type() == QEvent::MouseButtonRelease)) {
        return QItemSelectionModel::NoUpdate;
    }
    // Ctrl+click would deselect, Ctrl+Space toggle, Ctrl+arrow move without selecting: the entry
    // under the focus is always the one selected.
    if (flags.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle) ||
        (flags == QItemSelectionModel::NoUpdate && event != nullptr &&
         event->type() == QEvent::KeyPress)) {
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    }
    return flags;
}

void ListBox::selectRow(int row) {
    if (row < 0) {
        clearSelection();
        return;
    }
    const QModelIndex index = model()->index(row, 0);
    if (hasFocus()) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    } else {
        selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    }
    scrollTo(index);
}

void ListBox::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (!rows.isEmpty()) {
        selectionModel()->setCurrentIndex(rows.front(), QItemSelectionModel::NoUpdate);
    }
}

void ListBox::focusOutEvent(QFocusEvent* event) {
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    QListWidget::focusOutEvent(event);
}

namespace {

// A press of another button than the left, or anywhere below the entries, neither selects nor
// deselects: a Windows list box selects with the left button only.
bool SelectsNothing(const ListBox* list, const QMouseEvent* event) {
    return (event->button() != Qt::LeftButton && event->button() != Qt::NoButton) ||
           (event->buttons() & ~Qt::MouseButtons(Qt::LeftButton)) != Qt::NoButton ||
           !list->indexAt(event->position().toPoint()).isValid();
}

}  // namespace

void ListBox::mousePressEvent(QMouseEvent* event) {
    if (SelectsNothing(this, event)) {
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

void ListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QListWidget::mouseReleaseEvent(event);
}

void ListBox::mouseMoveEvent(QMouseEvent* event) {
    if (SelectsNothing(this, event)) {
        event->accept();
        return;
    }
    QListWidget::mouseMoveEvent(event);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (SelectsNothing(this, event)) {
        event->accept();
        return;
    }
    QListWidget::mouseDoubleClickEvent(event);
}

int SelectedRow(const QListWidget* list) {
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

}  // namespace zq::ui
