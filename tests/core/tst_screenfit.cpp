// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/ScreenFit.h"

#include <QTest>

using Areas = QList<QRect>;

class TestScreenFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reachablePosition_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<Areas>("areas");
        QTest::addColumn<QPoint>("expected");
        const Areas one {QRect(0, 0, 1280, 1000)};
        const Areas two {QRect(0, 0, 1280, 1000), QRect(1280, 0, 1920, 1080)};
        QTest::newRow("on screen: unchanged") << QRect(100, 50, 575, 580) << one << QPoint(100, 50);
        QTest::newRow("partly off, title reachable: unchanged")
            << QRect(1000, 600, 575, 580) << one << QPoint(1000, 600);
        QTest::newRow("far off at the lower right: moved whole onto it")
            << QRect(5000, 4000, 575, 580) << one << QPoint(1280 - 575, 1000 - 580);
        QTest::newRow("title above the top: moved down") << QRect(300, -200, 575, 580) << one << QPoint(300, 0);
        QTest::newRow("only a sliver of the title on screen") << QRect(1260, 10, 575, 580) << one << QPoint(705, 10);
        QTest::newRow("larger than the screen: top-left in view")
            << QRect(4000, 3000, 1500, 1200) << one << QPoint(0, 0);
        QTest::newRow("second screen: unchanged") << QRect(2000, 100, 575, 580) << two << QPoint(2000, 100);
        QTest::newRow("off the second screen: onto the nearest")
            << QRect(3500, 200, 575, 580) << two << QPoint(1280 + 1920 - 575, 200);
        QTest::newRow("no screens known: unchanged") << QRect(5000, 4000, 575, 580) << Areas {} << QPoint(5000, 4000);
    }
    void reachablePosition()
    {
        QFETCH(QRect, frame);
        QFETCH(Areas, areas);
        QFETCH(QPoint, expected);
        QCOMPARE(ScreenFit::reachablePosition(frame, 30, areas), expected);
    }
};

QTEST_GUILESS_MAIN(TestScreenFit)
#include "tst_screenfit.moc"
