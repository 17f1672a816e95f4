// SPDX-License-Identifier: MIT
#pragma once

#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "present/calculator.h"
#include "ui/clickable_label.h"
#include "ui/form2.h"
#include "ui/link_opener.h"
#include "ui/list_box.h"
#include "ui/qt_message_box.h"

namespace zq::ui {

// The main calculator window, a view of present::Calculator. Its controls are built from the
// control table (present/form_layout.h); the handlers below carry the names of the events they
// answer, hand each to the calculator and draw the calculator's state. The window decides nothing
// itself: which kinds and types a list holds, the fee and its explanation all come from there.
class Form1 final : public QWidget {
    Q_OBJECT
  public:
    // Both services must outlive the window.
    Form1(MessageBoxService& messages, LinkOpener& opener, QWidget* parent = nullptr);

    // The court's figures within the Measures' ranges, charged from the next 计算 on.
    void SetLocalFigures(LocalFigures figures) { calculator_.SetLocalFigures(std::move(figures)); }

    QRadioButton* Option1(int index) const { return option1_.at(static_cast<std::size_t>(index)); }
    QListWidget* List1() const { return list1_; }
    QListWidget* List2() const { return list2_; }
    QLineEdit* txtBd() const { return txtBd_; }
    QLineEdit* txtFysf() const { return txtFysf_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }
    QPushButton* Command3() const { return command3_; }
    ClickableLabel* Label2(int index) const { return label2_.at(static_cast<std::size_t>(index)); }
    QFrame* Line1() const { return line1_; }

    // The fee-rules window while it is open, else null.
    Form2* feeRulesWindow() const { return form2_; }

    // Shows the window centred on its screen.
    void showCentred();

  public slots:
    void Option1_Click(int index);
    void List1_Click();
    void List2_Click();
    void txtBd_Change();
    void txtFysf_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Label2_Click(int index);

  private:
    void Form_Load();
    void BuildControls();
    void ConnectControls();
    // The calculator's state into the controls, with their own signals blocked, so that what is
    // drawn is not taken for a user's action.
    void Draw();

    MessageBoxService& messages_;
    LinkOpener& opener_;
    present::Calculator calculator_;
    // The versions of the calculator's lists that the list boxes show: a list box is refilled
    // only when its list was, so that its scroll position stays otherwise.
    int kindsDrawn_ = 0;
    int typesDrawn_ = 0;
    std::array<QRadioButton*, 2> option1_{};
    ListBox* list1_ = nullptr;
    ListBox* list2_ = nullptr;
    QLineEdit* txtBd_ = nullptr;
    QLineEdit* txtFysf_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    std::array<ClickableLabel*, 3> label2_{};
    QFrame* line1_ = nullptr;
    QPointer<Form2> form2_;
};

}  // namespace zq::ui
