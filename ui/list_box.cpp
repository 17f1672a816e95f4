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

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(kListRowHeight);
        return size;
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

// Presses and drags over the empty space below the entries neither select nor deselect.
void ListBox::mousePressEvent(QMouseEvent* event) {
    if (!indexAt(event->position().toPoint()).isValid()) {
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

void ListBox::mouseMoveEvent(QMouseEvent* event) {
    if (!indexAt(event->position().toPoint()).isValid()) {
        event->accept();
        return;
    }
    QListWidget::mouseMoveEvent(event);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!indexAt(event->position().toPoint()).isValid()) {
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
