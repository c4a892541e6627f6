// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/TimeAxis.h"

#include <QTest>

// The effect's rows along the time strip: where each row lies at each zoom, and that zooming
// keeps the row under the pointer where it was.
class TestTimeAxis : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsRunPageAfterPage_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("index");
        QTest::newRow("first row") << 1 << 0 << 0;
        QTest::newRow("last row of page 1") << 1 << 15 << 15;
        QTest::newRow("first row of page 2") << 2 << 0 << 16;
        QTest::newRow("middle") << 33 << 7 << 519;
        QTest::newRow("last row") << 64 << 15 << 1023;
    }
    void rowsRunPageAfterPage()
    {
        QFETCH(int, page);
        QFETCH(int, row);
        QFETCH(int, index);
        QCOMPARE(TimeAxis::rowIndex(page, row), index);
        QCOMPARE(TimeAxis::placeOf(index), (TimeAxis::Place {page, row}));
    }

    void rowUnderAPoint_data()
    {
        QTest::addColumn<int>("pixelsPerRow");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("row");
        QTest::newRow("start") << 2 << 0 << 0;
        QTest::newRow("second pixel of row 0") << 2 << 1 << 0;
        QTest::newRow("row 1") << 2 << 2 << 1;
        QTest::newRow("last pixel") << 2 << 2047 << 1023;
        QTest::newRow("past the end") << 2 << 2048 << -1;
        QTest::newRow("before the start") << 2 << -1 << -1;
        QTest::newRow("widest: page 2 row 0") << 32 << 16 * 32 << 16;
        QTest::newRow("narrowest, last") << 1 << 1023 << 1023;
        QTest::newRow("too wide is clamped") << 100 << 32 << 1;
        QTest::newRow("zero is clamped to 1") << 0 << 5 << 5;
    }
    void rowUnderAPoint()
    {
        QFETCH(int, pixelsPerRow);
        QFETCH(int, x);
        QFETCH(int, row);
        QCOMPARE(TimeAxis(pixelsPerRow).rowAt(x), row);
    }

    void zoomKeepsTheAnchoredRow_data()
    {
        QTest::addColumn<int>("pixelsPerRow");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("scroll");
        QTest::addColumn<int>("zoomed");
        QTest::addColumn<int>("newScroll");
        QTest::newRow("in at the start") << 2 << 1 << 0 << 0 << 4 << 0;
        QTest::newRow("in round a point") << 2 << 1 << 100 << 300 << 4 << 700;
        QTest::newRow("out round a point") << 4 << -1 << 100 << 700 << 2 << 300;
        QTest::newRow("in by two steps") << 1 << 2 << 50 << 10 << 4 << 190;
        QTest::newRow("no wider than the widest") << 32 << 1 << 100 << 300 << 32 << 300;
        QTest::newRow("no narrower than one pixel") << 1 << -1 << 100 << 300 << 1 << 300;
        QTest::newRow("stops at the widest") << 16 << 3 << 0 << 160 << 32 << 320;
    }
    void zoomKeepsTheAnchoredRow()
    {
        QFETCH(int, pixelsPerRow);
        QFETCH(int, steps);
        QFETCH(int, anchor);
        QFETCH(int, scroll);
        QFETCH(int, zoomed);
        QFETCH(int, newScroll);
        TimeAxis axis(pixelsPerRow);
        const int rowBefore = axis.rowAt(scroll + anchor);
        QCOMPARE(axis.zoom(steps, anchor, scroll), newScroll);
        QCOMPARE(axis.pixelsPerRow(), zoomed);
        QCOMPARE(axis.length(), TimeAxis::RowCount * zoomed);
        QCOMPARE(axis.rowAt(newScroll + anchor), rowBefore);
    }
};

QTEST_GUILESS_MAIN(TestTimeAxis)
#include "tst_timeaxis.moc"
