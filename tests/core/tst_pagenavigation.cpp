// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/AppError.h"
#include "effect/PageNavigation.h"

#include <QTest>

class TestPageNavigation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pageFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("page");
        QTest::newRow("7") << "7" << 7;
        QTest::newRow("empty is page 1") << "" << 1;
        QTest::newRow("0 becomes 1") << "0" << 1;
        QTest::newRow("00") << "00" << 1;
        QTest::newRow("64") << "64" << 64;
        QTest::newRow("99 becomes 64") << "99" << 64;
        QTest::newRow("63 stays") << "63" << 63;
        QTest::newRow("leading zero") << "07" << 7;
        QTest::newRow("pasted -1 is 65535: page 64") << "-1" << 64;
        QTest::newRow("pasted +5") << "+5" << 5;
        QTest::newRow("65536 wraps to 0: page 1") << "65536" << 1;
        QTest::newRow("65537 wraps to 1") << "65537" << 1;
        QTest::newRow("65539 wraps to 3") << "65539" << 3;
        QTest::newRow("-65533 is 3") << "-65533" << 3;
    }
    void pageFromText()
    {
        QFETCH(QString, text);
        QFETCH(int, page);
        QCOMPARE(PageNavigation::pageFromText(text), page);
    }

    void notANumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("letters") << "ab";
        QTest::newRow("sign alone") << "-";
        QTest::newRow("two signs") << "+-1";
        QTest::newRow("blank") << " 1";
        QTest::newRow("hex") << "0x";
        QTest::newRow("past 32 bits") << "4294967296";
        QTest::newRow("arabic digits") << QString::fromUtf8("\u0663");
    }
    void notANumber()
    {
        QFETCH(QString, text);
        try {
            PageNavigation::pageFromText(text);
            QFAIL("no error raised");
        } catch (const AppError &error) {
            QCOMPARE(error.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }

    void steps()
    {
        QCOMPARE(PageNavigation::nextPage(1), 2);
        QCOMPARE(PageNavigation::nextPage(63), 64);
        QCOMPARE(PageNavigation::nextPage(64), 64);
        QCOMPARE(PageNavigation::previousPage(64), 63);
        QCOMPARE(PageNavigation::previousPage(2), 1);
        QCOMPARE(PageNavigation::previousPage(1), 1);
        QCOMPARE(PageNavigation::followingPage(1), 2);
        QCOMPARE(PageNavigation::followingPage(63), 64);
        QCOMPARE(PageNavigation::followingPage(64), 1);
    }
};

QTEST_GUILESS_MAIN(TestPageNavigation)
#include "tst_pagenavigation.moc"
