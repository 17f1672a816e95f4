// SPDX-License-Identifier: MIT
// The main window as a person meets it: what the pointer, the keyboard and the eye find.
#include <QAccessible>
#include <QApplication>
#include <QBitmap>
#include <QHelpEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>

#include "tests/ui_fakes.h"
#include "ui/centre_on_screen.h"
#include "ui/form1.h"
#include "ui/form1_layout.h"
#include "ui/qt_message_box.h"
#include "ui/qt_translations.h"

using zq::ui::Form1;

namespace {

bool Black(const QImage& image, int x, int y) { return image.pixelColor(x, y) == Qt::black; }

QListWidgetItem* Item(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    return found.size() == 1 ? found.front() : nullptr;
}

void Click(QListWidget* list, const QString& text, Qt::KeyboardModifiers modifiers = {}) {
    QListWidgetItem* item = Item(list, text);
    QVERIFY2(item != nullptr, qPrintable(text));
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualItemRect(item).center());
}

// The rows of a widget's picture that hold something darker than its background.
std::pair<int, int> InkRows(const QImage& image) {
    const QColor paper = image.pixelColor(image.width() - 1, 0);
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).lightness() < paper.lightness() - 60) {
                top = top < 0 ? y : top;
                bottom = y;
                break;
            }
        }
    }
    return {top, bottom};
}

// Pixels that a person sees change: some colour channel moves by more than a quarter.
int VisiblyChanged(const QImage& before, const QImage& after) {
    if (before.size() != after.size()) {
        return before.width() * before.height();
    }
    int changed = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            const QColor a = before.pixelColor(x, y);
            const QColor b = after.pixelColor(x, y);
            const int most = std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                       std::abs(a.blue() - b.blue())});
            changed += most > 64 ? 1 : 0;
        }
    }
    return changed;
}

// Whatever message box is up when the event loop next runs: its width, title, button text.
struct SeenBox {
    int width = 0;
    QString title;
    QString button;
};

SeenBox ShowAndClose(zq::ui::QtMessageBoxService& service, const zq::Message& message) {
    SeenBox seen;
    QTimer::singleShot(0, qApp, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen = {box->width(), box->windowTitle(), box->buttons().value(0)->text()};
        box->done(0);
    });
    service.Show(message);
    return seen;
}

}  // namespace

class WindowUseTest : public QObject {
    Q_OBJECT

  private:
    zq::test::RecordingMessageBox messages_;
    zq::test::RecordingLinkOpener opener_;
    std::unique_ptr<Form1> form_;

  private slots:
    void initTestCase() { QVERIFY(zq::ui::InstallQtChineseTexts(*qApp)); }

    void init() {
        form_ = std::make_unique<Form1>(messages_, opener_);
        form_->showCentred();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }

    void cleanup() {
        QVERIFY2(messages_.shown.empty(), "a message box nobody expected");
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<zq::ui::Form2*>(widget) != nullptr) {
                widget->close();
            }
        }
        form_.reset();
    }

    // Black outline, white inside, transparent around it, the hot spot on the finger's tip.
    void handCursorIsAnOutlinedHand() {
        const QCursor hand = form_->Label2(1)->cursor();
        QCOMPARE(hand.hotSpot(), QPoint(6, 0));
        QCOMPARE(hand.bitmap().size(), QSize(32, 32));
        const QImage shape = hand.bitmap().toImage();
        const QImage mask = hand.mask().toImage();
        int opaque = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                opaque += Black(mask, x, y) ? 1 : 0;
            }
        }
        QVERIFY2(opaque > 150 && opaque < 400, qPrintable(QString::number(opaque)));
        for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)}) {
            QVERIFY(!Black(mask, corner.x(), corner.y()));
        }
        QVERIFY(Black(mask, 6, 0) && Black(shape, 6, 0));   // outline at the tip
        QVERIFY(Black(mask, 6, 3) && !Black(shape, 6, 3));  // white inside the finger
        QVERIFY(Black(mask, 10, 15) && !Black(shape, 10, 15));
    }

    void listsKeepTheirSelection_data() {
        QTest::addColumn<int>("classIndex");
        QTest::addColumn<bool>("typeList");
        QTest::addColumn<bool>("control");
        QTest::newRow("kinds-empty-space") << 0 << false << false;
        QTest::newRow("kinds-strip-below-six-rows") << 1 << false << false;
        QTest::newRow("kinds-ctrl-click-selected") << 0 << false << true;
        QTest::newRow("types-empty-space") << 0 << true << false;
        QTest::newRow("types-ctrl-click-selected") << 0 << true << true;
    }

    void listsKeepTheirSelection() {
        QFETCH(int, classIndex);
        QFETCH(bool, typeList);
        QFETCH(bool, control);
        QTest::mouseClick(form_->Option1(classIndex), Qt::LeftButton);
        QListWidget* list = typeList ? form_->List2() : form_->List1();
        const QString kind = zq::ui::SelectedText(form_->List1());
        const QString type = zq::ui::SelectedText(form_->List2());
        const QString before = typeList ? type : kind;
        if (control) {
            Click(list, before, Qt::ControlModifier);
        } else {
            // The lowest pixel row inside the list's frame: below the entries, or below the
            // sixth row when the list is full.
            const QPoint strip(20, list->height() - 2);
            QWidget* under = list->childAt(strip) != nullptr ? list->childAt(strip) : list;
            QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(list, strip));
        }
        QCOMPARE(list->selectedItems().size(), 1);
        QCOMPARE(zq::ui::SelectedText(form_->List1()), kind);
        QCOMPARE(zq::ui::SelectedText(form_->List2()), type);
        form_->txtBd()->setText(QStringLiteral("10000"));
        QTest::mouseClick(form_->Command1(), Qt::LeftButton);
        QVERIFY(!form_->txtFysf()->text().isEmpty());
    }

    // The layout's measures: a 12-pixel line, full-width characters 12 and half-width 6 wide.
    void windowFontMeasuresAsTheLayoutAssumes() {
        const QFontMetrics metrics(form_->List1()->font());
        QCOMPARE(metrics.height(), zq::ui::kListRowHeight);
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("案")), 12);
        QCOMPARE(metrics.horizontalAdvance(QLatin1Char('a')), 6);
    }

    void listsShowSixWholeRows() {
        QTest::mouseClick(form_->Option1(1), Qt::LeftButton);  // six kinds; eight types
        for (QListWidget* list : {form_->List1(), form_->List2()}) {
            QVERIFY(list->count() >= 6);
            const QRect visible = list->viewport()->rect();
            int whole = 0;
            for (int row = 0; row < list->count(); ++row) {
                const QRect rect = list->visualItemRect(list->item(row));
                QCOMPARE(rect.height(), zq::ui::kListRowHeight);
                whole += visible.contains(rect) ? 1 : 0;
                QVERIFY2(visible.contains(rect) || !visible.intersects(rect),
                         qPrintable(QStringLiteral("partial row %1").arg(row)));
            }
            QCOMPARE(whole, 6);
        }
    }

    void longEntriesShowTheirTextAsATooltip_data() {
        QTest::addColumn<int>("classIndex");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("tip");
        QTest::newRow("long-type") << 0 << "二、非财产案件"
                                   << "3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件" << true;
        QTest::newRow("long-kind") << 1 << ""
                                   << "三、申请认可台湾地区法院民事判决、裁定、调解书案件" << true;
        QTest::newRow("short-type") << 0 << "二、非财产案件"
                                    << "1、离婚案件" << false;
    }

    void longEntriesShowTheirTextAsATooltip() {
        QFETCH(int, classIndex);
        QFETCH(QString, kind);
        QFETCH(QString, entry);
        QFETCH(bool, tip);
        QTest::mouseClick(form_->Option1(classIndex), Qt::LeftButton);
        if (!kind.isEmpty()) {
            Click(form_->List1(), kind);
        }
        QListWidget* list = kind.isEmpty() ? form_->List1() : form_->List2();
        QListWidgetItem* item = Item(list, entry);
        QVERIFY(item != nullptr);
        list->scrollToItem(item);
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        const QPoint at = list->visualItemRect(item).center();
        QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &help);
        if (tip) {
            QTRY_VERIFY(QToolTip::isVisible());
            QCOMPARE(QToolTip::text(), entry);
        } else {
            QTest::qWait(50);
            QVERIFY(!QToolTip::isVisible());
        }
        QToolTip::hideText();
    }

    // The message boxes' 确定 is checked with their width below.
    void qtTextsInTheContextMenuAreChinese() {
        const std::unique_ptr<QMenu> menu(form_->txtBd()->createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            texts.append(action->text());
        }
        const QString all = texts.join(QLatin1Char('|'));
        for (const char* word : {"撤销", "剪切", "复制", "粘贴", "全选"}) {
            QVERIFY2(all.contains(QString::fromUtf8(word)), qPrintable(all));
        }
    }

    // Title bars show an icon, up to three buttons and the title, in a font that may be larger
    // than the window's: allow 14 px a character and 100 px for the rest.
    void messageBoxesShowTheirTitleInFull_data() {
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("flags");
        QTest::newRow("warning") << "标的中请输入数字！"
                                 << "提示" << 48;
        QTest::newRow("overflow") << "溢出"
                                  << "计算错误" << 16;
    }

    void messageBoxesShowTheirTitleInFull() {
        QFETCH(QString, prompt);
        QFETCH(QString, title);
        QFETCH(int, flags);
        zq::ui::QtMessageBoxService service(form_.get());
        const SeenBox seen =
            ShowAndClose(service, {prompt.toStdString(), title.toStdString(), flags});
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.button, QStringLiteral("确定"));
        QVERIFY2(seen.width >= 14 * title.size() + 100, qPrintable(QString::number(seen.width)));
    }

    void screenReadersHearTheLabels() {
        QTest::mouseClick(form_->Command3(), Qt::LeftButton);
        const std::map<QWidget*, QString> names{
            {form_->feeRulesWindow()->Text1(), QStringLiteral("诉讼费用交纳办法")},
            {form_->List1(), QStringLiteral("案件种类")},
            {form_->List2(), QStringLiteral("案件类型")},
            {form_->txtBd(), QStringLiteral("案件标的")},
            {form_->txtFysf(), QStringLiteral("法院收费")}};
        for (const auto& [widget, name] : names) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(accessible != nullptr);
            QCOMPARE(accessible->text(QAccessible::Name), name);
        }
    }

    // Tab visits the controls in the window's order and comes round to the start; each looks
    // different with the focus than without, from the start, before any key has been pressed.
    void focusIsVisibleOnEveryControl() {
        const QList<QWidget*> order{form_->Option1(0), form_->List1(),   form_->List2(),
                                    form_->txtBd(),    form_->txtFysf(), form_->Command1(),
                                    form_->Command2(), form_->Command3()};
        QTRY_COMPARE(QApplication::focusWidget(), form_->Option1(0));
        std::map<QWidget*, QImage> focused{{order[0], order[0]->grab().toImage()}};
        std::map<QWidget*, QImage> unfocused;
        for (QWidget* widget : order.mid(1)) {
            unfocused[widget] = widget->grab().toImage();
        }
        for (QWidget* widget : order.mid(1)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTRY_COMPARE(QApplication::focusWidget(), widget);
            focused[widget] = widget->grab().toImage();
        }
        unfocused[order[0]] = order[0]->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), order[0]);
        for (QWidget* widget : order) {
            const int changed = VisiblyChanged(unfocused[widget], focused[widget]);
            QVERIFY2(
                changed >= 40,
                qPrintable(QStringLiteral("%1: %2 pixels").arg(widget->objectName()).arg(changed)));
        }
    }

    void enterAndSpacePressTheFocusedButton_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("keypad-enter") << int(Qt::Key_Enter);
        QTest::newRow("space") << int(Qt::Key_Space);
    }

    void enterAndSpacePressTheFocusedButton() {
        QFETCH(int, key);
        form_->txtBd()->setText(QStringLiteral("10000"));
        form_->Command1()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(form_->Command1(), Qt::Key(key));
        QCOMPARE(form_->txtFysf()->text(), QStringLiteral("50.00"));
        form_->Command3()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(form_->Command3(), Qt::Key(key));
        QVERIFY(form_->feeRulesWindow() != nullptr);
        form_->Command2()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(form_->Command2(), Qt::Key_Escape);
        QVERIFY(form_->isVisible());
    }

    // The text stands at the top of the label's 12-pixel box, whole.
    void labelTextSitsInItsBox() {
        for (const zq::ui::ControlSpec& spec : zq::ui::Form1Controls()) {
            if (spec.kind != zq::ui::ControlKind::Label) {
                continue;
            }
            auto* label = form_->findChild<QLabel*>(QString::fromLatin1(spec.name));
            const auto [top, bottom] = InkRows(label->grab().toImage());
            QVERIFY2(top >= 0 && top <= 2 && bottom - top >= 8,
                     qPrintable(QStringLiteral("%1: ink rows %2-%3")
                                    .arg(label->objectName())
                                    .arg(top)
                                    .arg(bottom)));
        }
    }

    void tabLeavesTheRulesTextAlone() {
        QTest::mouseClick(form_->Command3(), Qt::LeftButton);
        QPlainTextEdit* text = form_->feeRulesWindow()->Text1();
        const QString before = text->toPlainText();
        text->setFocus();
        QTest::keyClick(text, Qt::Key_Tab);
        QCOMPARE(text->toPlainText(), before);
    }

    void framesAreCentredWithTheirTitleBar_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("main-1x") << QRect(0, 0, 1280, 800) << QSize(371, 414) << QPoint(454, 193);
        QTest::newRow("rules-with-panel")
            << QRect(0, 30, 1280, 770) << QSize(348, 368) << QPoint(466, 231);
        // 2x on an 800-pixel screen: 400 logical pixels for a 414-pixel frame.
        QTest::newRow("main-2x-taller-than-screen")
            << QRect(0, 0, 640, 400) << QSize(371, 414) << QPoint(134, 0);
    }

    void framesAreCentredWithTheirTitleBar() {
        QFETCH(QRect, available);
        QFETCH(QSize, frame);
        QFETCH(QPoint, topLeft);
        QCOMPARE(zq::ui::CentredFramePosition(available, frame), topLeft);
    }
};

QTEST_MAIN(WindowUseTest)
#include "window_use_test.moc"
