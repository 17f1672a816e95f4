// SPDX-License-Identifier: MIT
#include "ui/form1.h"

#include <QIcon>
#include <QSignalBlocker>
#include <algorithm>
#include <vector>

#include "present/form_layout.h"
#include "ui/accessibility.h"
#include "ui/fee_tooltip.h"
#include "ui/frame_place.h"
#include "ui/hand_cursor.h"
#include "ui/list_box.h"
#include "ui/measures_text.h"
#include "ui/option_button.h"
#include "ui/qt_values.h"
#include "ui/text_box.h"
#include "ui/ui_font.h"

namespace zq::ui {
namespace {

using present::ControlKind;
using present::ControlPlace;
using present::TextColour;

void SetTextColour(QWidget* widget, TextColour colour) {
    if (colour == TextColour::Default) {
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(
        QPalette::WindowText,
        ToQColor(colour == TextColour::Grey ? present::kGreyText : present::kBlueText));
    widget->setPalette(palette);
}

// Index of an array element from its name: "Label2_1" -> 1.
int ArrayIndex(std::string_view name) {
    return ToQString(name.substr(name.rfind('_') + 1)).toInt();
}

// A control of the table's kind, with its caption, not yet placed.
QWidget* MakeControl(const ControlPlace& place, QWidget* parent) {
    const QString caption = ToQString(place.caption);
    switch (place.kind) {
        case ControlKind::OptionButton:
            return new OptionButton(caption, parent);
        case ControlKind::ListBox:
            return new ListBox(parent);
        case ControlKind::TextBox:
            return new TextBox(parent);
        case ControlKind::Button: {
            auto* button = new QPushButton(caption, parent);
            // As on Windows, Enter presses the button that has the focus. This window is no
            // dialog, so no button is the default: Enter elsewhere and Esc press nothing.
            button->setAutoDefault(true);
            button->setDefault(false);
            return button;
        }
        case ControlKind::Label:
            // The foot labels (Label2) answer clicks; the others only name their controls.
            if (place.name.starts_with("Label2")) {
                auto* label = new ClickableLabel(ArrayIndex(place.name), caption, parent);
                label->setLink(place.caption == present::kMakerAddressShown);
                return label;
            }
            return new QLabel(caption, parent);
    }
    return nullptr;
}

// Only a change is written: setting the same text again would move the caret to the end. A text
// the window writes shows from its start: a fee too long for the box shows its leading digits.
void DrawText(QLineEdit* box, std::string_view text) {
    const QString shown = ToQString(text);
    if (box->text() != shown) {
        box->setText(shown);
        box->setCursorPosition(0);
    }
}

// Refills the list when the calculator refilled it since it was last drawn, then selects the
// calculator's row.
void DrawList(ListBox* list, const std::vector<std::string_view>& entries, int row, int version,
              int& drawnVersion) {
    if (version != drawnVersion) {
        list->clear();
        for (std::string_view entry : entries) {
            list->addItem(ToQString(entry));
        }
        drawnVersion = version;
    }
    if (SelectedRow(list) != row) {
        list->selectRow(row);
    }
}

}  // namespace

Form1::Form1(MessageBoxService& messages, LinkOpener& opener, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      messages_(messages),
      opener_(opener) {
    EnsureResources();
    InstallAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ToQString(present::kForm1Title));
    setWindowIcon(QIcon(QStringLiteral(":/icons/main.png")));
    setFont(ChineseUiFont());
    setFixedSize(present::kForm1Width, present::kForm1Height);
    BuildControls();
    ConnectControls();
    Form_Load();
}

void Form1::BuildControls() {
    std::vector<std::pair<int, QWidget*>> focusable;
    for (const ControlPlace& place : present::Form1Controls()) {
        QWidget* widget = MakeControl(place, this);
        widget->setObjectName(ToQString(place.name));
        SetTextColour(widget, place.colour);
        const QRect rect = ToQRect(place.rect);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setTextFormat(Qt::PlainText);
            // Labels size themselves to their caption's width; the height is the table's line,
            // so the text stands where the table puts it whatever the font's leading.
            label->adjustSize();
            label->setGeometry(QRect(rect.topLeft(), QSize(label->width(), rect.height())));
            if (label->focusPolicy() != Qt::NoFocus) {
                focusable.emplace_back(place.tabIndex, widget);  // the address, at its tab index
            }
            continue;
        }
        if (auto* list = qobject_cast<ListBox*>(widget)) {
            list->setListGeometry(rect);
        } else {
            widget->setGeometry(rect);
        }
        focusable.emplace_back(place.tabIndex, widget);
    }
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const auto& l, const auto& r) { return l.first < r.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        setTabOrder(focusable[i - 1].second, focusable[i].second);
    }

    // The controls the handlers use, found by their names in the table.
    const auto control = [this]<typename T>(const char* name, T*& member) {
        member = findChild<T*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        Q_ASSERT(member != nullptr);
    };
    control("Option1_0", option1_[0]);
    control("Option1_1", option1_[1]);
    control("List1", list1_);
    control("List2", list2_);
    control("txtBd", txtBd_);
    control("txtFysf", txtFysf_);
    control("Command1", command1_);
    control("Command2", command2_);
    control("Command3", command3_);
    control("Label2_0", label2_[0]);
    control("Label2_1", label2_[1]);
    control("Label2_2", label2_[2]);

    // Each label names the control beside it, for a screen reader, without its colon.
    for (const ControlPlace& place : present::Form1Controls()) {
        if (place.buddy.empty()) {
            continue;
        }
        auto* label = findChild<QLabel*>(ToQString(place.name));
        auto* named = findChild<QWidget*>(ToQString(place.buddy));
        label->setBuddy(named);
        QString name = label->text();
        name.remove(QStringLiteral("："));
        named->setAccessibleName(name);
    }

    label2_[1]->setCursor(HandCursor());  // over the address

    line1_ = new QFrame(this);
    line1_->setObjectName(QStringLiteral("Line1"));
    line1_->setFrameShape(QFrame::HLine);
    line1_->setFrameShadow(QFrame::Plain);
    line1_->setLineWidth(1);
    line1_->setGeometry(ToQRect(present::kLine1));
    line1_->setFocusPolicy(Qt::NoFocus);
    line1_->setAccessibleName(ToQString(present::kLine1Name));
}

void Form1::ConnectControls() {
    for (int index = 0; index < static_cast<int>(option1_.size()); ++index) {
        connect(Option1(index), &QRadioButton::toggled, this, [this, index](bool on) {
            if (on) {
                Option1_Click(index);
            }
        });
    }
    // The selection, not the current row: on a mouse press the current row changes before the
    // entry is selected.
    connect(list1_, &QListWidget::itemSelectionChanged, this, &Form1::List1_Click);
    connect(list2_, &QListWidget::itemSelectionChanged, this, &Form1::List2_Click);
    // Every change of the amount, however made, is the amount 计算 reads.
    connect(txtBd_, &QLineEdit::textChanged, this, &Form1::txtBd_Change);
    // Only the user's typing: the fee the window writes itself is the calculator's already.
    connect(txtFysf_, &QLineEdit::textEdited, this, &Form1::txtFysf_Change);
    connect(command1_, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(command3_, &QPushButton::clicked, this, &Form1::Command3_Click);
    for (ClickableLabel* label : label2_) {
        connect(label, &ClickableLabel::clicked, this, &Form1::Label2_Click);
    }
}

void Form1::showCentred() {
    CentreOnScreen(this);
    show();
    // Focus shows from the start, not only after the first Tab: a keyboard user must see where
    // the keys go before pressing any.
    setAttribute(Qt::WA_KeyboardFocusChange);
    // Focus starts on the first control in tab order: the class option that is on.
    option1_[0]->setFocus(Qt::OtherFocusReason);
}

void Form1::Draw() {
    if (const int on = calculator_.classOn(); on >= 0) {
        const QSignalBlocker blocker(Option1(on));
        Option1(on)->setChecked(true);  // an exclusive option: the other goes off
    }
    {
        const QSignalBlocker blocker(list1_);
        DrawList(list1_, calculator_.kinds(), calculator_.kindRow(), calculator_.kindsVersion(),
                 kindsDrawn_);
    }
    {
        const QSignalBlocker blocker(list2_);
        DrawList(list2_, calculator_.types(), calculator_.typeRow(), calculator_.typesVersion(),
                 typesDrawn_);
    }
    {
        const QSignalBlocker blocker(txtBd_);
        DrawText(txtBd_, calculator_.amountText());
    }
    DrawText(txtFysf_, calculator_.feeText());
    // The explanation under the pointer, by Shift+F1 from the keyboard (What's This), and as plain
    // text to a screen reader (which would otherwise be read the tooltip's markup).
    const QString explanation = FeeTooltip(calculator_.explanation());
    if (txtFysf_->toolTip() != explanation) {
        txtFysf_->setToolTip(explanation);
        txtFysf_->setWhatsThis(explanation);
        txtFysf_->setAccessibleDescription(
            ToQString(present::PlainText(calculator_.explanation())).trimmed());
    }
}

void Form1::Form_Load() {
    calculator_.FormLoad();
    Draw();
}

void Form1::Option1_Click(int index) {
    calculator_.Option1Click(index);
    Draw();
}

void Form1::List1_Click() {
    calculator_.List1Click(SelectedRow(list1_));
    Draw();
}

void Form1::List2_Click() {
    calculator_.List2Click(SelectedRow(list2_));
    Draw();
}

void Form1::txtBd_Change() {
    calculator_.TypeAmount(txtBd_->text().toStdString());
    Draw();
}

void Form1::txtFysf_Change() {
    calculator_.TypeFee(txtFysf_->text().toStdString());
    Draw();
}

void Form1::Command1_Click() {
    const std::optional<present::Notice> notice = calculator_.Command1Click();
    Draw();
    // The new fee, for a screen reader. Qt before 6.8 has no announcement to send
    // (QAccessibleAnnouncementEvent): the button pressed, which keeps the focus, describes the fee
    // instead, a change of the focused control that a screen reader is told of. Emptied first, so
    // that the same fee again is a change again.
    command1_->setAccessibleDescription({});
    command1_->setAccessibleDescription(ToQString(calculator_.announcement()));
    if (notice) {
        messages_.Show(*notice);
    }
}

void Form1::Command2_Click() { close(); }

void Form1::Command3_Click() {
    if (form2_ == nullptr) {
        // Not owned by this window: it stays open when this one closes.
        form2_ = new Form2(nullptr);
        form2_->setAttribute(Qt::WA_DeleteOnClose);
        form2_->setFont(font());
        PlaceBeside(form2_, this);
    }
    // show() alone leaves a minimised window minimised: the press brings it back as it was.
    form2_->setWindowState(form2_->windowState() & ~Qt::WindowMinimized);
    form2_->show();
    form2_->raise();
    form2_->activateWindow();
}

void Form1::Label2_Click(int /*index*/) { opener_.OpenHost(ToQString(present::kMakerHost)); }

}  // namespace zq::ui
