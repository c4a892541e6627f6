// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/RowTools.h"

#include <QTest>

// The tools over chosen rows of the whole effect, on either string: what each row holds after,
// the rows outside the choice untouched.
class TestRowTools : public QObject
{
    Q_OBJECT

private:
    // Each row's LEDs from a picture: "#" lit, "." unlit, 16 a row.
    static void draw(RowTools::Pages &pages, int row, const char *leds)
    {
        const RowTools::Row states = RowTools::row(pages, row);
        for (int i = 0; i < 16; ++i)
            states[static_cast<std::size_t>(i)] = leds[i] == '#' ? EffectImage::On : EffectImage::Off;
    }
    static QString picture(RowTools::Pages &pages, int row)
    {
        QString text;
        for (const std::uint8_t led : RowTools::row(pages, row))
            text += led == EffectImage::On ? QLatin1Char('#') : QLatin1Char('.');
        return text;
    }
    // Rows 14..17, across the boundary of pages 1 and 2, each marked by a lit LED of its own.
    static RowTools::Pages marked()
    {
        RowTools::Pages pages;
        for (auto &page : pages)
            page.fill(EffectImage::Off);
        draw(pages, 14, "#.......#......#");
        draw(pages, 15, ".#.......#......");
        draw(pages, 16, "..#.......#.....");
        draw(pages, 17, "...#.......#....");
        return pages;
    }
    static const inline QList<int> Chosen {15, 16}; // the middle two, one on each page

private Q_SLOTS:
    void alongTheString_data()
    {
        QTest::addColumn<int>("leds");
        QTest::addColumn<int>("tool");
        QTest::addColumn<QStringList>("rows"); // 15 and 16 after
        using A = RowTools::Along;
        QTest::newRow("clear") << 16 << int(A::Clear) << QStringList {"................", "................"};
        QTest::newRow("clear, 8 LEDs: the whole row")
            << 8 << int(A::Clear) << QStringList {"................", "................"};
        QTest::newRow("fill") << 16 << int(A::Fill) << QStringList {"################", "################"};
        QTest::newRow("fill, 8 LEDs") << 8 << int(A::Fill) << QStringList {"########.#......", "########..#....."};
        QTest::newRow("invert, 8 LEDs") << 8 << int(A::Invert) << QStringList {"#.######.#......", "##.#####..#....."};
        QTest::newRow("toward LED 1") << 16 << int(A::ShiftTowardLedOne)
                                      << QStringList {"..#.......#.....", "...#.......#...."};
        QTest::newRow("away, 8 LEDs") << 8 << int(A::ShiftAway) << QStringList {"#........#......", ".#........#....."};
        QTest::newRow("round toward LED 1, 8 LEDs")
            << 8 << int(A::RotateTowardLedOne) << QStringList {"..#......#......", "...#......#....."};
        QTest::newRow("round away") << 16 << int(A::RotateAway) << QStringList {"#.......#.......", ".#.......#......"};
        QTest::newRow("mirror") << 16 << int(A::Mirror) << QStringList {"......#.......#.", ".....#.......#.."};
        QTest::newRow("mirror, 8 LEDs") << 8 << int(A::Mirror) << QStringList {"......#..#......", ".....#....#....."};
    }
    void alongTheString()
    {
        QFETCH(int, leds);
        QFETCH(int, tool);
        QFETCH(QStringList, rows);
        RowTools::Pages pages = marked();
        RowTools::changeAlong(pages, Chosen, leds, RowTools::Along(tool));
        QCOMPARE(QStringList({picture(pages, 15), picture(pages, 16)}), rows);
        QCOMPARE(picture(pages, 14), QStringLiteral("#.......#......#"));
        QCOMPARE(picture(pages, 17), QStringLiteral("...#.......#...."));
    }

    // In time the chosen rows are one run, wherever they lie; the rows between stay.
    void inTime_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QList<int>>("from"); // where each row of 14..17 came from
        QTest::newRow("earlier, across pages")
            << "earlier" << QList<int> {14, 15, 16, 17} << QList<int> {15, 16, 17, 14};
        QTest::newRow("later") << "later" << QList<int> {14, 15, 16, 17} << QList<int> {17, 14, 15, 16};
        QTest::newRow("earlier, apart") << "earlier" << QList<int> {14, 17} << QList<int> {17, 15, 16, 14};
        QTest::newRow("reversed") << "reverse" << QList<int> {14, 15, 16} << QList<int> {16, 15, 14, 17};
        QTest::newRow("repeat one: a hold") << "repeat1" << QList<int> {14, 15, 16, 17} << QList<int> {14, 14, 14, 14};
        QTest::newRow("repeat two") << "repeat2" << QList<int> {14, 15, 16, 17} << QList<int> {14, 15, 14, 15};
        QTest::newRow("one row earlier is itself") << "earlier" << QList<int> {15} << QList<int> {14, 15, 16, 17};
    }
    void inTime()
    {
        QFETCH(QString, tool);
        QFETCH(QList<int>, rows);
        QFETCH(QList<int>, from);
        RowTools::Pages before = marked();
        RowTools::Pages pages = before;
        if (tool == QLatin1String("reverse"))
            RowTools::reverse(pages, rows);
        else if (tool.startsWith(QLatin1String("repeat")))
            RowTools::repeat(pages, rows, tool.back().digitValue());
        else
            RowTools::shiftInTime(pages, rows, tool == QLatin1String("earlier"));
        for (int row = 14; row <= 17; ++row)
            QCOMPARE(picture(pages, row), picture(before, from.at(row - 14)));
    }

    // The image keeps its 1024 rows: an insert pushes the last ones off, a delete leaves unlit
    // ones at the end.
    void rowsAreInsertedAndDeleted()
    {
        RowTools::Pages pages = marked();
        draw(pages, 1022, "###.............");
        draw(pages, 1023, "#...............");
        QCOMPARE(RowTools::litLedsAtEnd(pages, 1), 1);
        QCOMPARE(RowTools::litLedsAtEnd(pages, 2), 4);
        RowTools::insertRows(pages, 15, 2);
        QCOMPARE(picture(pages, 14), QStringLiteral("#.......#......#"));
        QCOMPARE(picture(pages, 15), QString(16, QLatin1Char('.')));
        QCOMPARE(picture(pages, 16), QString(16, QLatin1Char('.')));
        QCOMPARE(picture(pages, 17), QStringLiteral(".#.......#......"));
        QCOMPARE(picture(pages, 19), QStringLiteral("...#.......#...."));
        QCOMPARE(RowTools::litLedsAtEnd(pages, 2), 0); // pushed off
        RowTools::deleteRows(pages, {15, 16, 18});
        QCOMPARE(picture(pages, 15), QStringLiteral(".#.......#......"));
        QCOMPARE(picture(pages, 16), QStringLiteral("...#.......#...."));
        QCOMPARE(picture(pages, 1023), QString(16, QLatin1Char('.')));
    }

    // Copied rows are the chip's bytes, two a row; pasting them elsewhere gives the same rows,
    // and what runs past the end is cut and counted.
    void rowsAreCopiedAndPasted()
    {
        RowTools::Pages pages = marked();
        const QByteArray bytes = RowTools::bytes(pages, {14, 15});
        QCOMPARE(bytes, QByteArray("\xFE\x7E\xFD\xFD"));
        QCOMPARE(RowTools::paste(pages, 1022, bytes + bytes), 2);
        QCOMPARE(picture(pages, 1022), picture(pages, 14));
        QCOMPARE(picture(pages, 1023), picture(pages, 15));
    }
};

QTEST_GUILESS_MAIN(TestRowTools)
#include "tst_rowtools.moc"
