// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/ErrorText.h"
#include "common/PageRanges.h"

#include <QTest>

class TestErrorText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Page lists in messages: runs, so that a screen reader reads three words, not 64 numbers.
    void pageRanges_data()
    {
        QTest::addColumn<QList<int>>("pages");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << QList<int>() << "";
        QTest::newRow("one") << QList<int> {7} << "7";
        QTest::newRow("two apart") << QList<int> {3, 5} << "3, 5";
        QTest::newRow("a run and single ones") << QList<int> {1, 2, 3, 7, 12, 13} << "1\u20133, 7, 12\u201313";
        QList<int> all;
        for (int page = 1; page <= 64; ++page)
            all << page;
        QTest::newRow("every page") << all << "1\u201364";
    }
    void pageRanges()
    {
        QFETCH(QList<int>, pages);
        QFETCH(QString, text);
        QCOMPARE(PageRanges::text(pages), text);
    }

    void programTitle_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain") << "/opt/gv/Glimmerview"
                               << "Glimmerview";
        QTest::newRow("rest lowered") << "/opt/gv/GLIMMERVIEW"
                                      << "Glimmerview";
        QTest::newRow("first letter as written") << "/x/glimmerView"
                                                 << "glimmerview";
        QTest::newRow("cut at first dot") << "/x/Glimmer.view.exe"
                                          << "Glimmer";
        QTest::newRow("dot in folder only") << "/x.y/Tool"
                                            << "Tool";
        QTest::newRow("leading dot") << "/x/.hidden"
                                     << "";
    }
    void programTitle()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(ErrorText::programTitle(path), title);
    }

    void boxMessage_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter gets a stop") << "'x' is not a valid integer value"
                                            << "'x' is not a valid integer value.";
        QTest::newRow("path ending in a letter") << "Unable to write to /a/Glimmerview.ini"
                                                 << "Unable to write to /a/Glimmerview.ini.";
        QTest::newRow("closing quote sorts before the stop") << "Cannot open file \"/a/b.bin\""
                                                             << "Cannot open file \"/a/b.bin\"";
        QTest::newRow("stop already there") << "Done."
                                            << "Done.";
        QTest::newRow("slash sorts after the stop") << "in /tmp/"
                                                    << "in /tmp/.";
        QTest::newRow("comma sorts before") << "a,"
                                            << "a,";
        QTest::newRow("empty") << ""
                               << "";
    }
    void boxMessage()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(ErrorText::boxMessage(message), shown);
    }
};

QTEST_GUILESS_MAIN(TestErrorText)
#include "tst_errortext.moc"
