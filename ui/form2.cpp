// SPDX-License-Identifier: MIT
#include "ui/form2.h"

#include <QIcon>

#include "ui/measures_text.h"

namespace zq::ui {

Form2::Form2(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      text1_(new QPlainTextEdit(this)) {
    EnsureResources();
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("收费细则"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/measures.png")));
    setFixedSize(kClientSize);

    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(kText1Rect);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text1_->setPlainText(MeasuresTextForDisplay());
    text1_->moveCursor(QTextCursor::Start);
    setFocusProxy(text1_);
}

}  // namespace zq::ui
