// SPDX-License-Identifier: MIT
#include "ui/form2.h"

#include <QIcon>
#include <QKeyEvent>

#include "present/form_layout.h"
#include "ui/measures_text.h"
#include "ui/qt_values.h"

namespace zq::ui {

Form2::Form2(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      text1_(new QPlainTextEdit(this)) {
    EnsureResources();
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(ToQString(present::kForm2Title));
    setWindowIcon(QIcon(QStringLiteral(":/icons/measures.png")));
    setFixedSize(present::kForm2Width, present::kForm2Height);

    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setAccessibleName(ToQString(present::kText1Name));
    text1_->setGeometry(ToQRect(present::kText1));
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The Measures to read, select and copy, not to edit.
    text1_->setReadOnly(true);
    text1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // As in a Windows text box, Tab moves the focus on and types nothing. Qt's editor would type
    // a tab anyway when there is no other control to move to, as here.
    text1_->setTabChangesFocus(true);
    text1_->installEventFilter(this);
    text1_->setPlainText(MeasuresTextForDisplay());
    text1_->moveCursor(QTextCursor::Start);
    setFocusProxy(text1_);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text1_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            !key->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier)) {
            focusNextPrevChild(key->key() == Qt::Key_Tab &&
                               !key->modifiers().testFlag(Qt::ShiftModifier));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zq::ui
