// SPDX-License-Identifier: MIT
#pragma once

#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "runtime/message_box.h"
#include "ui/clickable_label.h"
#include "ui/form2.h"
#include "ui/link_opener.h"

namespace zq::ui {

// The main calculator window. All its state lives in its controls; the handlers below carry the
// names of the events they answer, and the selection chain runs nested inside the event that
// caused it: class -> kinds, first kind selected -> types, first type selected.
class Form1 final : public QWidget {
    Q_OBJECT
  public:
    // Both services must outlive the window.
    Form1(MessageBoxService& messages, LinkOpener& opener, QWidget* parent = nullptr);

    QRadioButton* Option1(int index) const { return option1_.at(static_cast<std::size_t>(index)); }
    QListWidget* List1() const { return list1_; }
    QListWidget* List2() const { return list2_; }
    QLineEdit* txtBd() const { return txtBd_; }
    QLineEdit* txtFysf() const { return txtFysf_; }
    QPushButton* Command1() const { return command1_; }
    QPushButton* Command2() const { return command2_; }
    QPushButton* Command3() const { return command3_; }
    QLabel* Label1(int index) const { return label1_.at(static_cast<std::size_t>(index)); }
    ClickableLabel* Label2(int index) const { return label2_.at(static_cast<std::size_t>(index)); }
    QFrame* Line1() const { return line1_; }

    // The fee-rules window while it is open, else null.
    Form2* feeRulesWindow() const { return form2_; }

    // Shows the window centred on its screen.
    void showCentred();

  public slots:
    void Option1_Click(int index);
    void List1_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Label2_Click(int index);

  private:
    void Form_Load();
    void FillKindList();
    void FillTypeList();
    void BuildControls();

    MessageBoxService& messages_;
    LinkOpener& opener_;
    std::array<QRadioButton*, 2> option1_{};
    QListWidget* list1_ = nullptr;
    QListWidget* list2_ = nullptr;
    QLineEdit* txtBd_ = nullptr;
    QLineEdit* txtFysf_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    std::array<QLabel*, 4> label1_{};
    std::array<ClickableLabel*, 3> label2_{};
    QFrame* line1_ = nullptr;
    QPointer<Form2> form2_;
};

// The text of a list's selected entry; empty when none is selected.
QString SelectedText(const QListWidget* list);

}  // namespace zq::ui
