// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <memory>

#include "calc/catalogue.h"
#include "tests/ui_fakes.h"
#include "ui/fee_tooltip.h"
#include "ui/form1.h"
#include "ui/form1_layout.h"

using zq::Message;
using zq::ui::Form1;
using zq::ui::Form2;

namespace {

QStringList Texts(const std::vector<std::string_view>& texts) {
    QStringList list;
    for (std::string_view text : texts) {
        list.append(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    return list;
}

QStringList Entries(const QListWidget* list) {
    QStringList entries;
    for (int row = 0; row < list->count(); ++row) {
        entries.append(list->item(row)->text());
    }
    return entries;
}

int OpenFeeRulesWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += qobject_cast<Form2*>(widget) != nullptr && widget->isVisible() ? 1 : 0;
    }
    return count;
}

// What a tooltip reads, without its markup.
QString Plain(const QString& richText) {
    QTextDocument document;
    document.setHtml(richText);
    return document.toPlainText();
}

void Select(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    list->scrollToItem(found[0]);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found[0]).center());
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

  private:
    zq::test::RecordingMessageBox messages_;
    zq::test::RecordingLinkOpener opener_;
    std::unique_ptr<Form1> form_;

    void ExpectStartOfClass(int classIndex) {
        const QStringList kinds = Texts(zq::catalogue::KindsOfClass(classIndex));
        QCOMPARE(Entries(form_->List1()), kinds);
        QCOMPARE(zq::ui::SelectedText(form_->List1()), kinds.front());
        const QStringList types = Texts(zq::catalogue::TypesOfKind(kinds.front().toStdString()));
        QCOMPARE(Entries(form_->List2()), types);
        QCOMPARE(zq::ui::SelectedText(form_->List2()), types.front());
    }

    void Calculate(const QString& amount) {
        form_->txtBd()->setText(amount);
        QTest::mouseClick(form_->Command1(), Qt::LeftButton);
    }

  private slots:
    void init() {
        messages_.shown.clear();
        opener_.hosts.clear();
        form_ = std::make_unique<Form1>(messages_, opener_);
        form_->showCentred();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }

    void cleanup() {
        QVERIFY2(messages_.shown.empty(), "a message box nobody expected");
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<Form2*>(widget) != nullptr) {
                widget->close();  // deletes itself
            }
        }
        form_.reset();
    }

    void startsOnTheFirstKindAndType() {
        QVERIFY(form_->Option1(0)->isChecked());
        QVERIFY(!form_->Option1(1)->isChecked());
        ExpectStartOfClass(0);
        QCOMPARE(zq::ui::SelectedText(form_->List1()), QStringLiteral("一、财产案件"));
        QCOMPARE(zq::ui::SelectedText(form_->List2()), QStringLiteral("1、财产案件"));
        QVERIFY(form_->txtBd()->text().isEmpty());
        QVERIFY(form_->txtFysf()->text().isEmpty());
        QTRY_COMPARE(QApplication::focusWidget(), form_->Option1(0));
    }

    void classesCascadeToTheirFirstKindAndType() {
        QTest::mouseClick(form_->Option1(1), Qt::LeftButton);
        ExpectStartOfClass(1);
        QCOMPARE(zq::ui::SelectedText(form_->List2()),
                 QStringLiteral("1、申请执行仲裁裁决（涉外）"));
        Select(form_->List1(), QStringLiteral("六、海事案件申请"));
        Select(form_->List2(), QStringLiteral("3.申请船舶优先权催告"));
        QTest::mouseClick(form_->Option1(0), Qt::LeftButton);
        ExpectStartOfClass(0);
    }

    void clickingTheClassAlreadyOnKeepsTheSelection() {
        Select(form_->List1(), QStringLiteral("二、非财产案件"));
        Select(form_->List2(), QStringLiteral("6、劳动争议案件"));
        QTest::mouseClick(form_->Option1(0), Qt::LeftButton);
        QCOMPARE(zq::ui::SelectedText(form_->List1()), QStringLiteral("二、非财产案件"));
        QCOMPARE(zq::ui::SelectedText(form_->List2()), QStringLiteral("6、劳动争议案件"));
    }

    void arrowKeysThroughKindsRefillTheTypes() {
        QTest::mouseClick(form_->Option1(1), Qt::LeftButton);
        form_->List1()->setFocus();
        for (int step = 1; step < form_->List1()->count(); ++step) {
            QTest::keyClick(form_->List1(), Qt::Key_Down);
            const QString kind = zq::ui::SelectedText(form_->List1());
            QCOMPARE(kind, form_->List1()->item(step)->text());
            QCOMPARE(Entries(form_->List2()),
                     Texts(zq::catalogue::TypesOfKind(kind.toStdString())));
            QCOMPARE(form_->List2()->currentRow(), 0);
            QVERIFY(form_->List2()->item(0)->isSelected());
        }
    }

    void calculateShowsTheFee_data() {
        for (const char* column : {"kind", "type", "amount", "amountAfter", "fee"}) {
            QTest::addColumn<QString>(column);
        }
        const auto row = [](const char* name, const char* kind, const char* type,
                            const char* amount, const char* amountAfter, const char* fee) {
            QTest::newRow(name) << kind << type << amount << amountAfter << fee;
        };
        row("empty-amount", "一、财产案件", "1、财产案件", "", "0", "50.00");
        row("payment-order", "五、支付令、公示催告案件", "1、支付令、公示催告案件", "10000",
            "10000", "16.67");
        row("ip-without-amount", "二、非财产案件", "2、知识产权案件", "", "0", "1000.00");
        row("preservation-one-decimal", "三、申请诉讼保全措施案件", "1、申请诉讼保全措施案件",
            "1050", "1050", "30.5");
        row("fullwidth-amount", "四、执行案件", "1、执行案件", "５０００００", "５０００００",
            "7400.00");
    }

    void calculateShowsTheFee() {
        QFETCH(QString, kind);
        QFETCH(QString, type);
        QFETCH(QString, amount);
        QFETCH(QString, amountAfter);
        QFETCH(QString, fee);
        Select(form_->List1(), kind);
        Select(form_->List2(), type);
        Calculate(amount);
        QCOMPARE(form_->txtBd()->text(), amountAfter);
        QCOMPARE(form_->txtFysf()->text(), fee);
    }

    void rejectedAmountWarnsAndFailureReportsTheError() {
        form_->txtFysf()->setText(QStringLiteral("999"));
        Calculate(QStringLiteral("abc"));
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QCOMPARE(messages_.shown[0], (Message{"标的中请输入数字！", "提示", 48}));
        QVERIFY(form_->txtFysf()->text().isEmpty());
        QCOMPARE(form_->txtBd()->text(), QStringLiteral("abc"));
        messages_.shown.clear();

        Calculate(QStringLiteral("1e400"));
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        QCOMPARE(messages_.shown[0], (Message{"溢出", "计算错误", 16}));
        QVERIFY(form_->txtFysf()->text().isEmpty());
        messages_.shown.clear();
    }

    void feeTooltipHasTheStepsThenTheFeeAndItsCapitals() {
        const QString text = Plain(zq::ui::FeeTooltip("1、支付令、公示催告案件", "10001"));
        QVERIFY2(text.startsWith(QStringLiteral("案件类型：1、支付令、公示催告案件\n"
                                                "标的金额：10001 元\n依据：")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("依据：《诉讼费用交纳办法》第十四条第（三）项")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("超过1万元至10万元的部分：1 × 2.5% = 0.03")));
        QVERIFY(text.contains(QStringLiteral("说明：申请公示催告的")));
        QVERIFY(text.endsWith(QStringLiteral("法院收费：16.68\n大写：人民币壹拾陆元陆角捌分")));
        for (const char* amount : {"abc", "1e400"}) {
            QCOMPARE(zq::ui::FeeTooltip("1、财产案件", amount), QString());
        }
        QCOMPARE(zq::ui::FeeTooltip("", "100"), QString());
    }

    // The window sets it on every press of 计算, and clears it when the press brings no fee or
    // when the fee is typed over.
    void calculateSetsTheFeeTooltip() {
        Calculate(QStringLiteral("10000"));
        QVERIFY(
            Plain(form_->txtFysf()->toolTip()).endsWith(QStringLiteral("大写：人民币伍拾元整")));
        // It names the case it explains; an empty amount as the calculation read it.
        Calculate(QString());
        QVERIFY(Plain(form_->txtFysf()->toolTip())
                    .startsWith(QStringLiteral("案件类型：1、财产案件\n标的金额：0 元\n")));
        QTest::keyClicks(form_->txtFysf(), QStringLiteral("9"));
        QCOMPARE(form_->txtFysf()->toolTip(), QString());
        Calculate(QStringLiteral("10000"));
        Calculate(QStringLiteral("abc"));
        QCOMPARE(form_->txtFysf()->toolTip(), QString());
        QCOMPARE(messages_.shown.size(), std::size_t{1});
        messages_.shown.clear();
    }

    void noTypeSelectedLeavesTheFeeEmpty() {
        form_->List2()->clearSelection();
        Calculate(QStringLiteral("100"));
        QVERIFY(form_->txtFysf()->text().isEmpty());
    }

    void feeStaysUntilTheNextCalculation() {
        Calculate(QStringLiteral("10000"));
        QCOMPARE(form_->txtFysf()->text(), QStringLiteral("50.00"));
        Select(form_->List2(), QStringLiteral("2、破产案件"));
        QTest::mouseClick(form_->Option1(1), Qt::LeftButton);
        Select(form_->List1(), QStringLiteral("四、行政执行案件"));
        QCOMPARE(form_->txtFysf()->text(), QStringLiteral("50.00"));
        QCOMPARE(form_->txtBd()->text(), QStringLiteral("10000"));
    }

    void enterAndEscapeDoNothing() {
        form_->txtBd()->setFocus();
        QTest::keyClicks(form_->txtBd(), QStringLiteral("10000"));
        QTest::keyClick(form_->txtBd(), Qt::Key_Return);
        QTest::keyClick(form_->txtBd(), Qt::Key_Enter);
        QTest::keyClick(form_->txtBd(), Qt::Key_Escape);
        QVERIFY(form_->txtFysf()->text().isEmpty());
        QVERIFY(form_->isVisible());
    }

    void controlsStandWhereTheLayoutPutsThem() {
        QCOMPARE(form_->size(), zq::ui::kForm1ClientSize);
        QCOMPARE(form_->minimumSize(), form_->maximumSize());
        QList<QWidget*> controls;
        for (const zq::ui::ControlSpec& spec : zq::ui::Form1Controls()) {
            auto* widget = form_->findChild<QWidget*>(QString::fromLatin1(spec.name));
            QVERIFY2(widget != nullptr, spec.name);
            controls.append(widget);
            QCOMPARE(widget->pos(), spec.rect.topLeft());
            if (spec.kind != zq::ui::ControlKind::Label) {
                QCOMPARE(widget->geometry(), spec.rect);
                continue;
            }
            // Labels size themselves to their caption, and take no focus.
            auto* label = static_cast<QLabel*>(widget);
            QCOMPARE(label->text(), QString::fromUtf8(spec.caption));
            const int advance = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY(label->width() >= advance && label->width() <= advance + 2);
            QCOMPARE(label->height(), spec.rect.height());
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(form_->Line1()->geometry(), zq::ui::kLine1Rect);
        // Nothing overlaps: every pair of controls, the three stacked lines at the foot included.
        for (QWidget* a : controls) {
            for (QWidget* b : controls) {
                if (a != b) {
                    QVERIFY2(!a->geometry().intersects(b->geometry()),
                             qPrintable(a->objectName() + QStringLiteral(" / ") + b->objectName()));
                }
            }
        }
    }

    void windowFramesAreFixedWithTheirOwnButtons() {
        const Qt::WindowFlags main = form_->windowFlags();
        QVERIFY(main.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(main.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!main.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(form_->windowTitle(), QStringLiteral("ZorvikQuillet v2.0"));
        QVERIFY(!form_->windowIcon().isNull());

        QTest::mouseClick(form_->Command3(), Qt::LeftButton);
        Form2* rules = form_->feeRulesWindow();
        QVERIFY(rules != nullptr);
        const Qt::WindowFlags fee = rules->windowFlags();
        QVERIFY(fee.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!fee.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!fee.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(rules->size(), Form2::kClientSize);
        QCOMPARE(rules->minimumSize(), rules->maximumSize());
        QCOMPARE(rules->Text1()->geometry(), Form2::kText1Rect);
        QVERIFY(!rules->windowIcon().isNull());
        QVERIFY(rules->windowIcon().cacheKey() != form_->windowIcon().cacheKey());
    }

    void coloursAndTheHandCursor() {
        QCOMPARE(form_->Label2(0)->palette().color(QPalette::WindowText), QColor(128, 128, 128));
        QCOMPARE(form_->Label2(2)->palette().color(QPalette::WindowText), QColor(128, 128, 128));
        QCOMPARE(form_->Label2(1)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(!form_->Label2(1)->font().underline());
        QCOMPARE(form_->Label2(1)->cursor().shape(), Qt::BitmapCursor);  // drawn in window_use_test
        QCOMPARE(form_->Label2(0)->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(form_->Label2(2)->cursor().shape(), Qt::ArrowCursor);
    }

    void everyFootLabelOpensTheMakersAddress() {
        for (int index = 0; index < 3; ++index) {
            QTest::mouseClick(form_->Label2(index), Qt::LeftButton);
        }
        const QString host = QString::fromLatin1(zq::ui::kMakerHost);
        QCOMPARE(opener_.hosts, (QStringList{host, host, host}));
        QVERIFY(form_->Label2(1)->text().endsWith(host));
        QVERIFY(form_->Label2(1)->text().startsWith(QLatin1String("http://")));
    }

    void feeRulesWindowIsRaisedNotDuplicated() {
        QTest::mouseClick(form_->Command3(), Qt::LeftButton);
        Form2* first = form_->feeRulesWindow();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        QVERIFY(first->Text1()->toPlainText().startsWith(
            QStringLiteral("诉讼费用交纳办法 \n\n第一章总 则")));
        QCOMPARE(first->Text1()->verticalScrollBar()->value(), 0);
        QCOMPARE(first->parentWidget(), nullptr);
        first->Text1()->verticalScrollBar()->setValue(40);
        QCoreApplication::processEvents();
        const int scrolled = first->Text1()->verticalScrollBar()->value();
        QVERIFY(scrolled > 0);

        QTest::mouseClick(form_->Command3(), Qt::LeftButton);
        QCOMPARE(form_->feeRulesWindow(), first);
        QCOMPARE(OpenFeeRulesWindows(), 1);
        QCOMPARE(first->Text1()->verticalScrollBar()->value(), scrolled);

        // A minimised rules window comes back with the press, as it was.
        first->showMinimized();
        QTRY_VERIFY(first->isMinimized());
        QTest::mouseClick(form_->Command3(), Qt::LeftButton);
        QTRY_VERIFY(!first->isMinimized());
        QVERIFY(first->isVisible());
        QCOMPARE(form_->feeRulesWindow(), first);
        QCOMPARE(first->Text1()->verticalScrollBar()->value(), scrolled);
    }

    void whatIsTypedInTheRulesIsGoneAfterClosing() {
        QTest::mouseClick(form_->Command3(), Qt::LeftButton);
        QPointer<Form2> first = form_->feeRulesWindow();
        first->Text1()->selectAll();
        QTest::keyClicks(first->Text1(), QStringLiteral("scribbled over"));
        QCOMPARE(first->Text1()->toPlainText(), QStringLiteral("scribbled over"));
        first->close();
        QTRY_VERIFY(first.isNull());

        QTest::mouseClick(form_->Command3(), Qt::LeftButton);
        QVERIFY(form_->feeRulesWindow()->Text1()->toPlainText().endsWith(
            QStringLiteral("第五十六条本办法自2007年4月1日起施行。 \n")));
    }

    void exitLeavesTheRulesOpen() {
        QTest::mouseClick(form_->Command3(), Qt::LeftButton);
        QPointer<Form2> rules = form_->feeRulesWindow();
        QTest::mouseClick(form_->Command2(), Qt::LeftButton);
        QVERIFY(!form_->isVisible());
        QVERIFY(!rules.isNull());
        QVERIFY(rules->isVisible());
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
