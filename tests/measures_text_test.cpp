// SPDX-License-Identifier: MIT
// The Measures as the program carries them and as the fee-rules window shows them.
#include <QCryptographicHash>
#include <QScrollBar>
#include <QTest>

#include "ui/form2.h"
#include "ui/measures_text.h"

class MeasuresTextTest : public QObject {
    Q_OBJECT

  private slots:
    // resources/measures.txt byte for byte: the published text in UTF-8, 168 paragraphs from the
    // title through eight chapters to Article 56, CR LF line breaks. A change to it is deliberate
    // and changes this digest with it.
    void isThePublishedTextByteForByte() {
        QCOMPARE(
            QCryptographicHash::hash(zq::ui::MeasuresTextUtf8(), QCryptographicHash::Sha256)
                .toHex(),
            QByteArrayLiteral("2b72eef4a59db5a2c8c41b51e413fb2f7ab77991c2787a9a7b045075f5f63fa5"));
    }

    // The window shows the text with line feeds only (a CR would show as a stray mark), from its
    // top.
    void feeRulesWindowShowsItFromTheTop() {
        zq::ui::Form2 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QString text = QString::fromUtf8(zq::ui::MeasuresTextUtf8());
        QVERIFY(text.contains(QStringLiteral("\r\n")));
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QCOMPARE(window.Text1()->toPlainText(), text);
        QCOMPARE(window.Text1()->textCursor().position(), 0);
        QCOMPARE(window.Text1()->verticalScrollBar()->value(), 0);
        QVERIFY(window.Text1()->verticalScrollBar()->maximum() > 0);
    }
};

QTEST_MAIN(MeasuresTextTest)
#include "measures_text_test.moc"
