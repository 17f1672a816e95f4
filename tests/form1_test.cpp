// SPDX-License-Identifier: MIT
// The calculator window as a view, offscreen: that its controls hand their events to the calculator
// and draw what it holds, where the control table puts them, and what the pointer, the keyboard
// and the eye find there. What the calculator makes of an event is tested in core_tests.
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolTip>
#include <QWhatsThis>
#include <cmath>
#include <memory>

#include "present/calculator.h"
#include "present/form_layout.h"
#include "ui/fee_tooltip.h"
#include "ui/form1.h"
#include "ui/frame_place.h"
#include "ui/list_box.h"
#include "ui/qt_translations.h"
#include "ui/qt_values.h"

namespace present = zq::present;
using zq::ui::Form1;
using zq::ui::Form2;
using zq::ui::ToQString;

namespace {

// Records notices instead of showing them, so that no test blocks on a modal box.
struct RecordingMessageBox final : zq::ui::MessageBoxService {
    void Show(const present::Notice& notice) override { shown.push_back(notice); }
    std::vector<present::Notice> shown;
};

struct RecordingLinkOpener final : zq::ui::LinkOpener {
    void OpenHost(const QString& host) override { hosts.append(host); }
    QStringList hosts;
};

// What the window shows and what a calculator holds, in the same words.
QStringList Shown(const Form1& form) {
    const bool on = form.Option1(1)->isChecked();
    QStringList shown{QString::number(on || form.Option1(0)->isChecked() ? int(on) : -1)};
    for (const QListWidget* list : {form.List1(), form.List2()}) {
        QString entries;
        for (int row = 0; row < list->count(); ++row) {
            entries += QLatin1Char('|') + list->item(row)->text();
        }
        shown << entries << QString::number(zq::ui::SelectedRow(list));
    }
    return shown << form.txtBd()->text() << form.txtFysf()->text() << form.txtFysf()->toolTip();
}

QStringList Held(const present::Calculator& calculator) {
    QStringList held{QString::number(calculator.classOn())};
    for (const auto& [entries, row] : {std::pair(calculator.kinds(), calculator.kindRow()),
                                       std::pair(calculator.types(), calculator.typeRow())}) {
        QString texts;
        for (std::string_view entry : entries) {
            texts += QLatin1Char('|') + ToQString(entry);
        }
        held << texts << QString::number(row);
    }
    return held << ToQString(calculator.amountText()) << ToQString(calculator.feeText())
                << zq::ui::FeeTooltip(calculator.explanation());
}

void ClickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = {}) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualItemRect(list->item(row)).center());
}

void CloseFeeRulesWindows() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<Form2*>(widget) != nullptr) {
            widget->close();  // deletes itself
        }
    }
}

// Pixels that a person sees change: some colour channel moves by more than a quarter.
int VisiblyChanged(const QImage& before, const QImage& after) {
    int changed = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            const QColor a = before.pixelColor(x, y);
            const QColor b = after.pixelColor(x, y);
            changed += std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                 std::abs(a.blue() - b.blue())}) > 64;
        }
    }
    return changed;
}

// The contrast of two colours as the Web Content Accessibility Guidelines reckon it, 1 to 21.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double first = luminance(a);
    const double second = luminance(b);
    const auto [dark, light] = std::minmax(first, second);
    return (light + 0.05) / (dark + 0.05);
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

  private:
    RecordingMessageBox messages_;
    RecordingLinkOpener opener_;
    std::unique_ptr<Form1> form_;

  private slots:
    void initTestCase() { QVERIFY(zq::ui::InstallQtChineseTexts(*qApp)); }

    void init() {
        form_ = std::make_unique<Form1>(messages_, opener_);
        form_->showCentred();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }

    void cleanup() {
        CloseFeeRulesWindows();
        form_.reset();
        messages_.shown.clear();
        opener_.hosts.clear();
    }

    // Each step is a person's action on a control and the call it stands for. After each the
    // window shows what a second calculator given the same calls holds and the notices it
    // returned, and it has refilled a list exactly when the calculator refilled it.
    void drawsTheCalculatorItForwardsTo() {
        enum Action { Class, Kind, KindDown, Type, Amount, FeeTypedOver, Calculate };
        const std::vector<std::tuple<Action, int, std::string>> steps{
            {Class, 1, ""},         {Kind, 4, ""},   {KindDown, 5, ""},  {Type, 2, ""},
            {Class, 1, ""},         {Class, 0, ""},  {Amount, 0, "100"}, {Calculate, 0, ""},
            {FeeTypedOver, 0, "9"}, {Amount, 0, ""}, {Calculate, 0, ""}, {Amount, 0, "abc"},
            {Calculate, 0, ""}};
        present::Calculator twin;
        twin.FormLoad();
        QCOMPARE(Shown(*form_), Held(twin));
        QSignalSpy kindsRefilled(form_->List1()->model(), &QAbstractItemModel::modelReset);
        QSignalSpy typesRefilled(form_->List2()->model(), &QAbstractItemModel::modelReset);
        std::vector<present::Notice> notices;
        int kindsChanged = 0;
        int typesChanged = 0;
        for (std::size_t step = 0; step < steps.size(); ++step) {
            const auto& [action, row, text] = steps[step];
            const std::pair versions(twin.kindsVersion(), twin.typesVersion());
            std::optional<present::Notice> notice;
            if (action == Class) {
                QTest::mouseClick(form_->Option1(row), Qt::LeftButton);
                twin.Option1Click(row);
            } else if (action == Kind || action == KindDown) {
                action == Kind ? ClickRow(form_->List1(), row)
                               : QTest::keyClick(form_->List1(), Qt::Key_Down);
                twin.List1Click(row);
            } else if (action == Type) {
                ClickRow(form_->List2(), row);
                twin.List2Click(row);
            } else if (action == Amount) {
                form_->txtBd()->clear();
                QTest::keyClicks(form_->txtBd(), ToQString(text));
                twin.TypeAmount(text);
            } else if (action == FeeTypedOver) {
                form_->txtFysf()->end(false);
                QTest::keyClicks(form_->txtFysf(), ToQString(text));
                twin.TypeFee(twin.feeText() + text);
            } else {
                QTest::mouseClick(form_->Command1(), Qt::LeftButton);
                notice = twin.Command1Click();
            }
            if (notice) {
                notices.push_back(*notice);
            }
            const QStringList shown = Shown(*form_) << QString::number(kindsRefilled.size())
                                                    << QString::number(typesRefilled.size());
            kindsChanged += twin.kindsVersion() != versions.first;
            typesChanged += twin.typesVersion() != versions.second;
            const QStringList held = Held(twin) << QString::number(kindsChanged)
                                                << QString::number(typesChanged);
            QVERIFY2(shown == held && messages_.shown == notices,
                     qPrintable(QStringLiteral("step %1: %2 / %3")
                                    .arg(step)
                                    .arg(shown.join(u'/'), held.join(u'/'))));
        }
        QVERIFY(!notices.empty());
    }

    // A step keeps to one line, a sentence wraps, the result is bold; the words stay text.
    void feeTooltipSetsEachLineAsItsStyleSays() {
        QTextDocument tip;
        tip.setHtml(zq::ui::FeeTooltip({{"规则：<b> & 1", present::LineStyle::Step},
                                        {"说明：一句", present::LineStyle::Sentence},
                                        {"法院收费：50.00", present::LineStyle::Result}}));
        QCOMPARE(tip.toPlainText(), QStringLiteral("规则：<b> & 1\n说明：一句\n法院收费：50.00"));
        const QTextBlock step = tip.begin();
        QVERIFY(step.blockFormat().nonBreakableLines() && !step.charFormat().font().bold());
        QVERIFY(!step.next().blockFormat().nonBreakableLines());
        const QTextBlock result = step.next().next();
        QVERIFY(result.blockFormat().nonBreakableLines());
        QCOMPARE(result.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
        QCOMPARE(zq::ui::FeeTooltip({}), QString());
    }

    // Controls of the table's kind, at its places, with its captions and colours; labels size
    // themselves to their caption and take no focus. Nothing overlaps. The fee-rules window as
    // its constants say.
    void windowsStandAsTheTableSays() {
        QCOMPARE(form_->windowTitle(), ToQString(present::kForm1Title));
        QCOMPARE(form_->size(), QSize(present::kForm1Width, present::kForm1Height));
        QCOMPARE(form_->minimumSize(), form_->maximumSize());
        QCOMPARE(form_->Line1()->geometry(), zq::ui::ToQRect(present::kLine1));
        QList<QWidget*> placed{form_->Line1()};
        for (const present::ControlPlace& place : present::Form1Controls()) {
            auto* widget = form_->findChild<QWidget*>(ToQString(place.name));
            QVERIFY2(widget != nullptr, place.name.data());
            placed.append(widget);
            if (place.colour != present::TextColour::Default) {
                QCOMPARE(widget->palette().color(QPalette::WindowText),
                         zq::ui::ToQColor(place.colour == present::TextColour::Grey
                                              ? present::kGreyText
                                              : present::kBlueText));
            }
            QCOMPARE(widget->property("text").toString(), ToQString(place.caption));
            const QRect rect = zq::ui::ToQRect(place.rect);
            auto* label = qobject_cast<QLabel*>(widget);
            QCOMPARE(label != nullptr, place.kind == present::ControlKind::Label);
            if (label == nullptr) {
                QCOMPARE(widget->geometry(), rect);
                continue;
            }
            QCOMPARE(label->geometry().topLeft(), rect.topLeft());
            QCOMPARE(label->height(), rect.height());
            const int advance = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY(label->width() >= advance && label->width() <= advance + 2);
            QCOMPARE(label->focusPolicy() == Qt::NoFocus,
                     place.caption != present::kMakerAddressShown);
        }
        for (QWidget* a : placed) {
            for (QWidget* b : placed) {
                QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + QLatin1Char('/') + b->objectName()));
            }
        }
        QTest::mouseClick(form_->Command3(), Qt::LeftButton);
        const Form2* rules = form_->feeRulesWindow();
        QCOMPARE(rules->windowTitle(), ToQString(present::kForm2Title));
        QCOMPARE(rules->size(), QSize(present::kForm2Width, present::kForm2Height));
        QCOMPARE(rules->minimumSize(), rules->maximumSize());
        QCOMPARE(rules->Text1()->geometry(), zq::ui::ToQRect(present::kText1));
        QVERIFY(!rules->windowIcon().isNull() && !form_->windowIcon().isNull());
        QVERIFY(rules->windowIcon().cacheKey() != form_->windowIcon().cacheKey());
    }

    // The table's measures: a 12-pixel line, full-width characters 12 and half-width 6 wide. The
    // bitmap strike draws the grey credit line in its own grey on the face and nothing between,
    // and the grey and the blue read at 4.5:1 or more against the face.
    void windowFontMeasuresAsTheTableAssumesAndDrawsCrisply() {
        const QFontMetrics metrics(form_->List1()->font());
        QCOMPARE(metrics.height(), present::kListRowHeight);
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("案")), 12);
        QCOMPARE(metrics.horizontalAdvance(QLatin1Char('a')), 6);
        const QColor face = form_->palette().color(QPalette::Window);
        const QImage credit = form_->Label2(0)->grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < credit.height(); ++y) {
            for (int x = 0; x < credit.width(); ++x) {
                colours.insert(credit.pixel(x, y));
            }
        }
        QCOMPARE(colours, (QSet<QRgb>{face.rgb(), zq::ui::ToQColor(present::kGreyText).rgb()}));
        for (const present::Rgb& colour : {present::kGreyText, present::kBlueText}) {
            QVERIFY(Contrast(zq::ui::ToQColor(colour), face) >= 4.5);
        }
    }

    // Tab visits the table's focusable controls in its order (of the two options the one that is
    // on) and comes round; each looks different with the focus, from the start.
    void focusFollowsTheTableAndShows() {
        QList<QWidget*> order;
        for (const present::ControlPlace& place : present::Form1Controls()) {
            auto* widget = form_->findChild<QWidget*>(ToQString(place.name));
            const auto* option = qobject_cast<QRadioButton*>(widget);
            if ((place.kind != present::ControlKind::Label ||
                 place.caption == present::kMakerAddressShown) &&
                (!option || option->isChecked())) {
                order.append(widget);
            }
        }
        QCOMPARE(order.size(), 9);
        QTRY_COMPARE(QApplication::focusWidget(), order[0]);
        const QImage atStart = order[0]->grab().toImage();
        for (int i = 1; i <= order.size(); ++i) {
            QWidget* widget = order[i % order.size()];
            const QImage unfocused = widget->grab().toImage();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTRY_COMPARE(QApplication::focusWidget(), widget);
            const QImage focused = i < order.size() ? widget->grab().toImage() : atStart;
            QVERIFY2(VisiblyChanged(unfocused, focused) >= 40, qPrintable(widget->objectName()));
        }
    }

    // Enter and Space press the focused button. No button is the default: a key in the amount
    // box presses none, and Esc none at all.
    void keysPressOnlyTheFocusedButton() {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape}) {
            Form1 form(messages_, opener_);
            form.show();
            const bool presses = key != Qt::Key_Escape;
            QTest::keyClick(form.txtBd(), key == Qt::Key_Space ? Qt::Key_Return : key);
            QVERIFY(form.txtFysf()->text().isEmpty());
            for (QPushButton* button : {form.Command1(), form.Command3(), form.Command2()}) {
                if (button != form.Command2() || !presses) {  // 退出 would close the window
                    button->setFocus(Qt::TabFocusReason);
                    QTest::keyClick(button, key);
                }
            }
            QCOMPARE(form.txtFysf()->text().isEmpty(), !presses);
            QCOMPARE(form.feeRulesWindow() != nullptr, presses);
            QVERIFY(form.isVisible());
            CloseFeeRulesWindows();
        }
    }

    // Neither a click on the empty space below the kinds, nor one on the strip below the sixth of
    // six, nor a Ctrl+click on the selected type deselects anything; a right-click on another
    // kind selects nothing.
    void listsKeepTheirSelection() {
        enum Click { Strip, ControlClick, RightClick };
        for (const auto& [classIndex, list, click] :
             {std::tuple(0, form_->List1(), Strip), std::tuple(1, form_->List1(), Strip),
              std::tuple(0, form_->List2(), ControlClick),
              std::tuple(0, form_->List1(), RightClick)}) {
            QTest::mouseClick(form_->Option1(classIndex), Qt::LeftButton);
            const QStringList before = Shown(*form_);
            if (click == ControlClick) {
                ClickRow(list, zq::ui::SelectedRow(list), Qt::ControlModifier);
            } else if (click == RightClick) {
                QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                                  list->visualItemRect(list->item(2)).center());
            } else {
                // The lowest pixel row inside the frame.
                const QPoint strip(20, list->height() - 2);
                QWidget* under = list->childAt(strip) != nullptr ? list->childAt(strip) : list;
                QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(list, strip));
            }
            QCOMPARE(list->selectedItems().size(), 1);
            QCOMPARE(Shown(*form_), before);
        }
    }

    // Six whole rows of 12 pixels, no partial seventh; the full text of an entry too long for the
    // list as its tooltip, shown (or not) while the help event is handled.
    void listsShowWholeRowsAndLongEntriesInFull() {
        QTest::mouseClick(form_->Option1(1), Qt::LeftButton);  // six kinds; eight types
        for (QListWidget* list : {form_->List1(), form_->List2()}) {
            const QRect visible = list->viewport()->rect();
            int whole = 0;
            for (int row = 0; row < list->count(); ++row) {
                const QRect rect = list->visualItemRect(list->item(row));
                QCOMPARE(rect.height(), present::kListRowHeight);
                whole += visible.contains(rect) ? 1 : 0;
                QVERIFY2(visible.contains(rect) || !visible.intersects(rect), "a partial row");
            }
            QCOMPARE(whole, 6);
        }
        // 三、申请认可台湾地区法院民事判决、裁定、调解书案件 is too long, and so is its one type;
        // 四、行政执行案件 is not.
        ClickRow(form_->List1(), 2);
        for (const auto& [list, row, cut] :
             {std::tuple(form_->List1(), 2, true), std::tuple(form_->List1(), 3, false),
              std::tuple(form_->List2(), 0, true)}) {
            const QPoint at = list->visualItemRect(list->item(row)).center();
            QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
            QApplication::sendEvent(list->viewport(), &help);
            QCOMPARE(QToolTip::text() == list->item(row)->text(), cut);
        }
        QToolTip::hideText();
    }

    // A double-click opens the address once.
    void onlyTheAddressHasTheHandAndEveryFootLabelOpensIt() {
        for (int index = 0; index < 3; ++index) {
            QCOMPARE(form_->Label2(index)->cursor().shape(),
                     index == 1 ? Qt::BitmapCursor : Qt::ArrowCursor);
            // A double-click as the X server delivers it: press, release, double-click, release.
            QTest::mouseClick(form_->Label2(index), Qt::LeftButton);
            QTest::mouseDClick(form_->Label2(index), Qt::LeftButton);
            QTest::mouseRelease(form_->Label2(index), Qt::LeftButton);
        }
        const QString host = ToQString(present::kMakerHost);
        QCOMPARE(opener_.hosts, (QStringList{host, host, host}));
    }

    // One window, raised again by the press as it was, left open by 退出; its text is read and
    // copied, not edited, and Tab moves on.
    void feeRulesWindowIsOneAndOutlivesTheMainWindow() {
        QTest::mouseClick(form_->Command3(), Qt::LeftButton);
        QPointer<Form2> rules = form_->feeRulesWindow();
        QVERIFY(QTest::qWaitForWindowExposed(rules));
        QCOMPARE(rules->parentWidget(), nullptr);
        QScrollBar* scroll = rules->Text1()->verticalScrollBar();
        scroll->setValue(40);
        QCoreApplication::processEvents();  // the text settles its layout at the new place
        const int scrolled = scroll->value();
        QTest::mouseClick(form_->Command3(), Qt::LeftButton);
        QCOMPARE(form_->feeRulesWindow(), rules);
        QVERIFY(scrolled > 0 && scroll->value() == scrolled);

        const QString text = rules->Text1()->toPlainText();
        rules->Text1()->setFocus();
        for (const auto& [key, modifiers] :
             {std::pair(Qt::Key_Tab, Qt::NoModifier), std::pair(Qt::Key_A, Qt::ControlModifier),
              std::pair(Qt::Key_Backspace, Qt::NoModifier), std::pair(Qt::Key_X, Qt::NoModifier),
              std::pair(Qt::Key_C, Qt::ControlModifier)}) {
            QTest::keyClick(rules->Text1(), key, modifiers);
        }
        QCOMPARE(rules->Text1()->toPlainText(), text);
        QCOMPARE(QGuiApplication::clipboard()->text(), text);

        QTest::mouseClick(form_->Command2(), Qt::LeftButton);
        QVERIFY(!form_->isVisible() && rules->isVisible());
    }

    // The notice over the window with its icon, its title in full in the title bar (14 pixels a
    // character and 100 for the rest), and Qt's own texts in Chinese.
    void messageBoxShowsTheNoticeInChinese() {
        for (const auto& [icon, shown] :
             {std::pair(present::NoticeIcon::Warning, QMessageBox::Warning),
              std::pair(present::NoticeIcon::Error, QMessageBox::Critical)}) {
            const std::unique_ptr<QMessageBox> box =
                zq::ui::MessageBoxOf({"计算错误", "溢出", icon}, form_.get());
            box->show();
            QCOMPARE(box->windowTitle(), QStringLiteral("计算错误"));
            QCOMPARE(box->text(), QStringLiteral("溢出"));
            QCOMPARE(box->icon(), shown);
            QCOMPARE(box->buttons().value(0)->text(), QStringLiteral("确定"));
            QCOMPARE(box->parentWidget(), form_.get());
            QVERIFY(box->width() >= 14 * 4 + 100);
            // Modal to its window, with neither minimise nor maximise.
            QCOMPARE(box->windowModality(), Qt::WindowModal);
            QCOMPARE(box->windowFlags() & (Qt::CustomizeWindowHint | Qt::WindowMinMaxButtonsHint),
                     Qt::CustomizeWindowHint);
        }
        // Qt's own Chinese says 撤消 for Undo; the program says 撤销.
        const std::unique_ptr<QMenu> menu(form_->txtBd()->createStandardContextMenu());
        QVERIFY(menu->actions().value(0)->text().startsWith(QStringLiteral("撤销(&U)")));
    }

    // Shift+F1 in the fee box shows its explanation to the keyboard (What's This).
    void shiftF1ShowsTheFeesExplanation() {
        QTest::keyClicks(form_->txtBd(), QStringLiteral("10000"));
        QTest::mouseClick(form_->Command1(), Qt::LeftButton);
        form_->txtFysf()->setFocus();
        QTest::keyClick(form_->txtFysf(), Qt::Key_F1, Qt::ShiftModifier);
        const auto whatsThisShown = [] {
            const QWidgetList shown = QApplication::topLevelWidgets();
            return std::any_of(shown.begin(), shown.end(), [](QWidget* widget) {
                return widget->inherits("QWhatsThat") && widget->isVisible();
            });
        };
        QTRY_VERIFY(whatsThisShown());
        QWhatsThis::hideText();
    }

    // As on Windows: an option answers a click anywhere in its box and the arrows go round the
    // two; Alt with a letter types nothing; a fee too long for its box shows its start.
    void optionsAltKeysAndLongFeesAsOnWindows() {
        QRadioButton* second = form_->Option1(1);
        QTest::mouseClick(second, Qt::LeftButton, {}, {second->width() - 2, second->height() / 2});
        QVERIFY(second->isChecked());
        for (const auto& [key, on] : {std::pair(Qt::Key_Down, 0), std::pair(Qt::Key_Down, 1),
                                      std::pair(Qt::Key_Up, 0), std::pair(Qt::Key_Right, 1)}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QVERIFY(form_->Option1(on)->isChecked() && form_->Option1(on)->hasFocus());
        }
        QTest::mouseClick(form_->Option1(0), Qt::LeftButton);
        QTest::keyClick(form_->txtBd(), 'j', Qt::AltModifier);
        QCOMPARE(form_->txtBd()->text(), QString());
        QTest::keyClicks(form_->txtBd(), QStringLiteral("1e308"));
        QTest::mouseClick(form_->Command1(), Qt::LeftButton);
        QVERIFY(form_->txtFysf()->text().size() > 300);
        QCOMPARE(form_->txtFysf()->cursorPosition(), 0);
    }

    // At 1x; below a 30-pixel panel; at 2x on an 800-pixel screen, 400 logical pixels for a
    // 414-pixel frame, the title bar on the screen.
    void framesAreCentredWithTheirTitleBar() {
        using zq::ui::CentredFramePosition;
        QCOMPARE(CentredFramePosition({0, 0, 1280, 800}, {371, 414}), QPoint(454, 193));
        QCOMPARE(CentredFramePosition({0, 30, 1280, 770}, {348, 368}), QPoint(466, 231));
        QCOMPARE(CentredFramePosition({0, 0, 640, 400}, {371, 414}), QPoint(134, 0));
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
