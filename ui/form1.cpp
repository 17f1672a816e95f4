// SPDX-License-Identifier: MIT
#include "ui/form1.h"

#include <QIcon>
#include <algorithm>
#include <limits>
#include <vector>

#include "calc/catalogue.h"
#include "calc/price.h"
#include "ui/centre_on_screen.h"
#include "ui/fee_tooltip.h"
#include "ui/form1_layout.h"
#include "ui/hand_cursor.h"
#include "ui/list_box.h"
#include "ui/measures_text.h"
#include "ui/ui_font.h"

namespace zq::ui {
namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void SetTextColour(QWidget* widget, TextColour colour) {
    if (colour == TextColour::Default) {
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour == TextColour::Grey ? kGreyText : kBlueText);
    widget->setPalette(palette);
}

// Index of an array element from its object name: "Label2_1" -> 1.
int ArrayIndex(const char* name) {
    const QString text = QString::fromLatin1(name);
    return text.mid(text.lastIndexOf(QLatin1Char('_')) + 1).toInt();
}

}  // namespace

QString SelectedText(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

Form1::Form1(MessageBoxService& messages, LinkOpener& opener, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      messages_(messages),
      opener_(opener) {
    EnsureResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ZorvikQuillet v2.0"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/main.png")));
    setFont(ChineseUiFont());
    setFixedSize(kForm1ClientSize);
    BuildControls();
    Form_Load();
}

void Form1::BuildControls() {
    std::vector<std::pair<int, QWidget*>> focusable;
    for (const ControlSpec& spec : Form1Controls()) {
        const QString caption = QString::fromUtf8(spec.caption);
        QWidget* widget = nullptr;
        switch (spec.kind) {
            case ControlKind::OptionButton: {
                auto* option = new QRadioButton(caption, this);
                const int index = ArrayIndex(spec.name);
                option1_.at(static_cast<std::size_t>(index)) = option;
                connect(option, &QRadioButton::toggled, this, [this, index](bool on) {
                    if (on) {
                        Option1_Click(index);
                    }
                });
                widget = option;
                break;
            }
            case ControlKind::ListBox: {
                auto* list = new ListBox(this);
                (spec.tabIndex == 2 ? list1_ : list2_) = list;
                widget = list;
                break;
            }
            case ControlKind::TextBox: {
                auto* box = new QLineEdit(this);
                box->setMaxLength(std::numeric_limits<int>::max());  // no length limit
                (spec.tabIndex == 4 ? txtBd_ : txtFysf_) = box;
                widget = box;
                break;
            }
            case ControlKind::Button: {
                auto* button = new QPushButton(caption, this);
                // As on Windows, Enter presses the button that has the focus. This window is no
                // dialog, so no button is the default: Enter elsewhere and Esc press nothing.
                button->setAutoDefault(true);
                button->setDefault(false);
                if (spec.tabIndex == 6) {
                    command1_ = button;
                } else if (spec.tabIndex == 7) {
                    command2_ = button;
                } else {
                    command3_ = button;
                }
                widget = button;
                break;
            }
            case ControlKind::Label: {
                const int index = ArrayIndex(spec.name);
                if (QLatin1String(spec.name).startsWith(QLatin1String("Label2"))) {
                    auto* label = new ClickableLabel(index, caption, this);
                    label2_.at(static_cast<std::size_t>(index)) = label;
                    connect(label, &ClickableLabel::clicked, this, &Form1::Label2_Click);
                    widget = label;
                } else {
                    auto* label = new QLabel(caption, this);
                    label1_.at(static_cast<std::size_t>(index)) = label;
                    widget = label;
                }
                break;
            }
        }
        widget->setObjectName(QString::fromLatin1(spec.name));
        SetTextColour(widget, spec.colour);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setTextFormat(Qt::PlainText);
            // Labels size themselves to their caption's width; the height is the layout's
            // line, so the text stands where the layout puts it whatever the font's leading.
            label->adjustSize();
            label->setGeometry(
                QRect(spec.rect.topLeft(), QSize(label->width(), spec.rect.height())));
        } else if (auto* list = qobject_cast<ListBox*>(widget)) {
            list->setListGeometry(spec.rect);
            focusable.emplace_back(spec.tabIndex, widget);
        } else {
            widget->setGeometry(spec.rect);
            focusable.emplace_back(spec.tabIndex, widget);
        }
    }
    // Each label names the control beside it, for a screen reader, without its colon.
    for (const ControlSpec& spec : Form1Controls()) {
        if (spec.buddy == nullptr) {
            continue;
        }
        auto* label = findChild<QLabel*>(QString::fromLatin1(spec.name));
        auto* named = findChild<QWidget*>(QString::fromLatin1(spec.buddy));
        label->setBuddy(named);
        QString name = label->text();
        name.remove(QStringLiteral("："));
        named->setAccessibleName(name);
    }
    std::sort(focusable.begin(), focusable.end(),
              [](const auto& l, const auto& r) { return l.first < r.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        setTabOrder(focusable[i - 1].second, focusable[i].second);
    }

    label2_[1]->setCursor(HandCursor());

    line1_ = new QFrame(this);
    line1_->setObjectName(QStringLiteral("Line1"));
    line1_->setFrameShape(QFrame::HLine);
    line1_->setFrameShadow(QFrame::Plain);
    line1_->setLineWidth(1);
    line1_->setGeometry(kLine1Rect);
    line1_->setFocusPolicy(Qt::NoFocus);

    // The selection, not the current row: on a mouse press the current row changes before the
    // entry is selected. Emptying the list clears the selection, which is no kind chosen.
    connect(list1_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!list1_->selectedItems().isEmpty()) {
            List1_Click();
        }
    });
    connect(command1_, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(command3_, &QPushButton::clicked, this, &Form1::Command3_Click);
    // A fee typed over by hand is no longer the one the breakdown explains.
    connect(txtFysf_, &QLineEdit::textEdited, this, [this] { txtFysf_->setToolTip(QString()); });
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

void Form1::Form_Load() {
    FillKindList();                 // no class is on yet: this only empties List1
    option1_[0]->setChecked(true);  // runs the whole selection chain before it returns
}

// A class was turned on, by the user or by the program. Turning on the class that is already on
// does nothing, so the kind and type a user picked stay as they are.
void Form1::Option1_Click(int /*index*/) { FillKindList(); }

void Form1::FillKindList() {
    list1_->clear();  // List2 keeps its entries until a kind is selected
    for (int classIndex = 0; classIndex < catalogue::kClassCount; ++classIndex) {
        if (option1_[static_cast<std::size_t>(classIndex)]->isChecked()) {
            for (std::string_view kind : catalogue::KindsOfClass(classIndex)) {
                list1_->addItem(ToQString(kind));
            }
        }
    }
    if (list1_->count() > 0) {
        list1_->setCurrentRow(0);  // runs List1_Click before it returns
    }
}

void Form1::List1_Click() { FillTypeList(); }

void Form1::FillTypeList() {
    list2_->clear();
    const QByteArray kind = SelectedText(list1_).toUtf8();
    for (std::string_view type :
         catalogue::TypesOfKind(std::string_view(kind.data(), kind.size()))) {
        list2_->addItem(ToQString(type));
    }
    if (list2_->count() > 0) {
        list2_->setCurrentRow(0);
    }
}

void Form1::Command1_Click() {
    const QByteArray type = SelectedText(list2_).toUtf8();
    const QByteArray amount = txtBd_->text().toUtf8();
    const FeeOutcome outcome = ComputeFee(std::string_view(type.data(), type.size()),
                                          std::string_view(amount.data(), amount.size()));
    const QString amountText = ToQString(outcome.amountText);
    if (amountText != txtBd_->text()) {
        txtBd_->setText(amountText);
    }
    txtFysf_->setText(ToQString(outcome.feeText));
    txtFysf_->setToolTip(FeeTooltip(std::string_view(type.data(), type.size()),
                                    std::string_view(amount.data(), amount.size())));
    if (outcome.message) {
        messages_.Show(*outcome.message);
    }
}

void Form1::Command2_Click() { close(); }

void Form1::Command3_Click() {
    if (form2_ == nullptr) {
        // Not owned by this window: it stays open when this one closes.
        form2_ = new Form2(nullptr);
        form2_->setAttribute(Qt::WA_DeleteOnClose);
        form2_->setFont(font());
        CentreOnScreen(form2_);
    }
    // show() alone leaves a minimised window minimised: the press brings it back as it was.
    form2_->setWindowState(form2_->windowState() & ~Qt::WindowMinimized);
    form2_->show();
    form2_->raise();
    form2_->activateWindow();
}

void Form1::Label2_Click(int /*index*/) { opener_.OpenHost(QString::fromLatin1(kMakerHost)); }

}  // namespace zq::ui
