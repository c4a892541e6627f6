// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "settings/ColourCycle.h"
#include "settings/ColourValues.h"

#include <QTest>

Q_DECLARE_METATYPE(Glyph)

class TestColourCycle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cycles_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QList<int>>("glyphs");
        QTest::newRow("colour: four clicks come back")
            << 5 << QList<int>({1, 2, 3, 4, 1}) << QList<int>({6, 4, 2, 8, 6});
        QTest::newRow("off LED: three clicks come back") << 17 << QList<int>({1, 2, 3, 1}) << QList<int>({7, 1, 0, 7});
        QTest::newRow("colour 0 shows red, one click makes it red") << 1 << QList<int>({0, 1}) << QList<int>({6, 6});
        QTest::newRow("colour 7") << 16 << QList<int>({7, 1}) << QList<int>({6, 6});
        QTest::newRow("colour 255 passes through 0") << 2 << QList<int>({255, 0, 1, 2}) << QList<int>({6, 6, 6, 4});
        QTest::newRow("off style 0") << 17 << QList<int>({0, 1}) << QList<int>({6, 7});
        QTest::newRow("off style 4") << 17 << QList<int>({4, 1}) << QList<int>({6, 7});
        QTest::newRow("off style 255 passes through 0") << 17 << QList<int>({255, 0, 1}) << QList<int>({6, 6, 7});
    }
    void cycles()
    {
        QFETCH(int, entry);
        QFETCH(QList<int>, values);
        QFETCH(QList<int>, glyphs);
        auto value = static_cast<std::uint8_t>(values.first());
        for (qsizetype click = 0; click < values.size(); ++click) {
            QCOMPARE(int(value), values[click]);
            QCOMPARE(ColourCycle::buttonGlyph(entry, value), static_cast<Glyph>(glyphs[click]));
            value = ColourCycle::next(entry, value);
        }
    }

    void storedColourTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // -1000: not a number
        QTest::newRow("plain") << "3" << 3;
        QTest::newRow("blanks around") << " \t6 " << 6;
        QTest::newRow("negative") << "-1" << -1;
        QTest::newRow("plus") << "+2" << 2;
        QTest::newRow("empty") << "" << -1000;
        QTest::newRow("word") << "red" << -1000;
        QTest::newRow("hex is no decimal") << "0x3" << -1000;
        QTest::newRow("past 32 bits") << "4294967296" << -1000;
        QTest::newRow("lowest 32-bit") << "-2147483648" << int(INT_MIN);
    }
    void storedColourTexts()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(ColourValues::parseStored(text).value_or(-1000), value);
    }
};

QTEST_GUILESS_MAIN(TestColourCycle)
#include "tst_colourcycle.moc"
