// SPDX-License-Identifier: MIT
#include <QTest>
#include <QTextDocument>

#include "tests/ui_fakes.h"
#include "ui/fee_tooltip.h"
#include "ui/form1.h"

namespace {

// What the tooltip reads, without its markup.
QString Plain(const QString& richText) {
    QTextDocument document;
    document.setHtml(richText);
    return document.toPlainText();
}

}  // namespace

class FeeTooltipTest : public QObject {
    Q_OBJECT

  private slots:
    void stepsThenTheFeeAndItsCapitals() {
        const QString text = Plain(zq::ui::FeeTooltip("1、支付令、公示催告案件", "10001"));
        QVERIFY2(text.startsWith(QStringLiteral("案件类型：1、支付令、公示催告案件\n"
                                                "标的金额：10001 元\n依据：")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("依据：《诉讼费用交纳办法》第十四条第（三）项")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("超过1万元至10万元的部分：1 × 2.5% = 0.03")));
        QVERIFY(text.contains(QStringLiteral("说明：申请公示催告的")));
        QVERIFY(text.endsWith(QStringLiteral("法院收费：16.68\n大写：人民币壹拾陆元陆角捌分")));
    }

    void emptyWithoutAFee() {
        QCOMPARE(zq::ui::FeeTooltip("1、财产案件", "abc"), QString());
        QCOMPARE(zq::ui::FeeTooltip("1、财产案件", "1e400"), QString());
        QCOMPARE(zq::ui::FeeTooltip("", "100"), QString());
    }

    // The window sets it on every press of 计算, and clears it when the press brings no fee or
    // when the fee is typed over.
    void setByTheCalculateButton() {
        zq::test::RecordingMessageBox messages;
        zq::test::RecordingLinkOpener opener;
        zq::ui::Form1 form(messages, opener);
        form.txtBd()->setText(QStringLiteral("10000"));
        QTest::mouseClick(form.Command1(), Qt::LeftButton);
        QVERIFY(Plain(form.txtFysf()->toolTip()).endsWith(QStringLiteral("大写：人民币伍拾元整")));
        // It names the case it explains; an empty amount as the calculation read it.
        form.txtBd()->clear();
        QTest::mouseClick(form.Command1(), Qt::LeftButton);
        QVERIFY(Plain(form.txtFysf()->toolTip())
                    .startsWith(QStringLiteral("案件类型：1、财产案件\n标的金额：0 元\n")));
        QTest::keyClicks(form.txtFysf(), QStringLiteral("9"));
        QCOMPARE(form.txtFysf()->toolTip(), QString());
        form.txtBd()->setText(QStringLiteral("abc"));
        QTest::mouseClick(form.Command1(), Qt::LeftButton);
        QCOMPARE(form.txtFysf()->toolTip(), QString());
        QCOMPARE(messages.shown.size(), std::size_t{1});
    }
};

QTEST_MAIN(FeeTooltipTest)
#include "fee_tooltip_test.moc"
