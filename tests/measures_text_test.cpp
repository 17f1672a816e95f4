// SPDX-License-Identifier: MIT
// The Measures as the fee-rules window shows them: the published text, laid out in paragraphs.
#include <QStringConverter>
#include <QTest>

#include "ui/measures_text.h"

class MeasuresTextTest : public QObject {
    Q_OBJECT

  private:
    QString text_ = QString::fromUtf8(zq::ui::MeasuresTextUtf8());
    QStringList paragraphs_ = text_.split(QStringLiteral("\r\n\r\n"));

  private slots:
    void hasTheSizeOfThePublishedText() {
        QCOMPARE(text_.size(), 7798);
        qsizetype nonAscii = 0;
        for (const QChar c : text_) {
            nonAscii += c.unicode() > 0x7F ? 1 : 0;
        }
        // In GBK every non-ASCII character here takes two bytes.
        QCOMPARE(text_.size() + nonAscii, 14468);
    }

    void isLaidOutInParagraphs() {
        QCOMPARE(paragraphs_.size(), 168);
        QVERIFY(text_.endsWith(QStringLiteral("\r\n")));
        QVERIFY(!text_.endsWith(QStringLiteral("\r\n\r\n")));
        QCOMPARE(text_.count(QLatin1Char('\r')), text_.count(QLatin1Char('\n')));
        int withoutBlank = 0;
        for (QString paragraph : paragraphs_) {
            if (paragraph.endsWith(QStringLiteral("\r\n"))) {
                paragraph.chop(2);  // the last paragraph's single line break
            }
            QVERIFY2(!paragraph.contains(QLatin1Char('\n')), qPrintable(paragraph.left(20)));
            if (!paragraph.endsWith(QLatin1Char(' '))) {
                ++withoutBlank;
                QVERIFY(paragraph.startsWith(QStringLiteral("第二十四条")));
            }
        }
        QCOMPARE(withoutBlank, 1);
    }

    void runsFromTheTitleThroughEightChaptersToArticle56() {
        QCOMPARE(paragraphs_.front(), QStringLiteral("诉讼费用交纳办法 "));
        QVERIFY(
            paragraphs_.back().startsWith(QStringLiteral("第五十六条本办法自2007年4月1日起施行")));
        const QStringList chapters{QStringLiteral("第一章总 则 "),
                                   QStringLiteral("第二章诉讼费用交纳范围 "),
                                   QStringLiteral("第三章诉讼费用交纳标准 "),
                                   QStringLiteral("第四章诉讼费用的交纳和退还 "),
                                   QStringLiteral("第五章诉讼费用的负担 "),
                                   QStringLiteral("第六章司法救助 "),
                                   QStringLiteral("第七章诉讼费用的管理和监督 "),
                                   QStringLiteral("第八章附 则 ")};
        qsizetype at = 0;
        for (const QString& chapter : chapters) {
            const qsizetype found = paragraphs_.indexOf(chapter, at);
            QVERIFY2(found > at, qPrintable(chapter));
            at = found;
        }
        int articles = 0;
        for (const QString& paragraph : paragraphs_) {
            articles +=
                paragraph.startsWith(QChar(u'第')) && paragraph.left(8).contains(QChar(u'条')) ? 1
                                                                                               : 0;
        }
        QCOMPARE(articles, 56);
    }

    void displayTextHasNoCarriageReturns() {
        const QString shown = zq::ui::MeasuresTextForDisplay();
        QVERIFY(!shown.contains(QLatin1Char('\r')));
        QCOMPARE(shown.count(QStringLiteral("\n\n")), 167);
    }
};

QTEST_GUILESS_MAIN(MeasuresTextTest)
#include "measures_text_test.moc"
