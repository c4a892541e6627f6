// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "credits/CreditsScroll.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QTest>

namespace {
QStringList lines(int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QStringLiteral("line %1").arg(i + 1);
    return list;
}

// The rows of the image that hold anything but the background.
QList<int> inkedRows(const QImage &image, QRgb background)
{
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                rows << y;
                break;
            }
        }
    }
    return rows;
}
} // namespace

class TestCreditsScroll : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textAreaIsTheClientInsetByFive()
    {
        QCOMPARE(CreditsScroll::textArea(QRect(0, 0, 519, 282)), QRect(5, 5, 509, 272));
    }

    void limit_data()
    {
        QTest::addColumn<QStringList>("text");
        QTest::addColumn<int>("firstLine");
        QTest::addColumn<int>("limit");
        QTest::newRow("18 lines of 13 px in 272") << lines(18) << 0 << 272 + 18 * 13;
        QStringList leading = lines(18);
        leading[0] = QStringLiteral("   ");
        leading[1] = QString();
        QTest::newRow("leading blank lines are never drawn") << leading << 2 << 272 + 16 * 13;
        QStringList blanks(3, QStringLiteral(" "));
        QTest::newRow("nothing but blanks") << blanks << 3 << 272;
    }
    void limit()
    {
        QFETCH(QStringList, text);
        QFETCH(int, firstLine);
        QFETCH(int, limit);
        const CreditsScroll scroll(text, QSize(509, 272), 13);
        QCOMPARE(scroll.firstLine(), firstLine);
        QCOMPARE(scroll.limit(), limit);
    }

    void endsOnTheTickAfterTheLimit()
    {
        CreditsScroll scroll(lines(18), QSize(509, 272), 13);
        int ticks = 0;
        while (scroll.tick())
            ++ticks;
        QCOMPARE(ticks, 506); // the 507th tick ends it
        QCOMPARE(scroll.count(), 506);
        QVERIFY(!scroll.tick());
    }

    void textRisesFromTheBottomEdge()
    {
        const QRgb background = qRgb(240, 240, 240);
        const QSize area(200, 100);
        CreditsScroll scroll(QStringList {QStringLiteral("A"), QStringLiteral("B")}, area, 20);
        QImage image(area, QImage::Format_RGB32);
        QFont font;
        font.setPixelSize(14);
        scroll.render(image, font, Qt::black, QColor(background));
        QVERIFY(inkedRows(image, background).isEmpty()); // before the first tick: below the area
        for (int tick = 0; tick < 30; ++tick)
            scroll.tick();
        scroll.render(image, font, Qt::black, QColor(background));
        const QList<int> rows = inkedRows(image, background);
        QVERIFY(!rows.isEmpty());
        QVERIFY(rows.first() >= 70 && rows.last() < 100); // within the first line's 20 px from 70
        while (scroll.tick()) { }
        scroll.render(image, font, Qt::black, QColor(background));
        QVERIFY(inkedRows(image, background).isEmpty()); // the last line has left the top edge
    }

    void linesAreCentredAndAmpersandsDrawn()
    {
        const QRgb background = qRgb(255, 255, 255);
        const QSize area(300, 40);
        CreditsScroll scroll(QStringList {QStringLiteral("&&&")}, area, 20);
        for (int tick = 0; tick < 30; ++tick)
            scroll.tick();
        QImage image(area, QImage::Format_RGB32);
        QFont font;
        font.setPixelSize(14);
        scroll.render(image, font, Qt::black, QColor(background));
        int left = area.width(), right = 0;
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x)
                if (image.pixel(x, y) != background) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        QVERIFY(right > left + 15); // three ampersands, not one and a mnemonic
        QVERIFY(qAbs((left + right) / 2 - area.width() / 2) <= 3);
    }
};

QTEST_MAIN(TestCreditsScroll)
#include "tst_creditsscroll.moc"
