// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/AppError.h"
#include "effect/ImageEncoder.h"
#include "generate/Generators.h"

#include <QTest>

// The generators as the command line and the window use them: what they make, row by row, and
// every setting they cannot take refused by name.
class TestGenerators : public QObject
{
    Q_OBJECT

private:
    // The LEDs lit in frame `frame` (row after row of the image), LED 1 the string's last column.
    static QList<int> litLeds(const EffectImage &image, int frame, int leds)
    {
        QList<int> lit;
        const EffectImage::Page &page = image.page(frame / EffectImage::RowCount + 1);
        for (int led = 1; led <= leds; ++led) {
            const int column = leds - led;
            if (page[static_cast<std::size_t>(frame % EffectImage::RowCount * EffectImage::ColumnCount + column)]
                == EffectImage::On)
                lit << led;
        }
        return lit;
    }

private Q_SLOTS:
    // With every setting at its default, the chase is one lit LED moving one LED a row over the
    // whole image, on either string.
    void theDefaultChaseIsOneLedMovingEachRow_data()
    {
        QTest::addColumn<int>("leds");
        QTest::newRow("16 LEDs") << 16;
        QTest::newRow("8 LEDs") << 8;
    }
    void theDefaultChaseIsOneLedMovingEachRow()
    {
        QFETCH(int, leds);
        const EffectImage image = Generators::make(QStringLiteral("chase"), {}, leds);
        for (int frame = 0; frame < 1024; ++frame)
            QCOMPARE(litLeds(image, frame, leds), QList<int> {frame % leds + 1});
        if (leds == 8) { // the right half of each row, which the 8-LED layout does not hold, stays unlit
            for (int page = 1; page <= 64; ++page)
                QCOMPARE(ImageEncoder::rightHalfLitPages(image), QList<int>());
        }
    }

    void settingsShapeTheEffect_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<int>("frame");
        QTest::addColumn<QList<int>>("lit");
        QTest::newRow("a wide block") << "chase" << QStringList {"width=3"} << 14 << QList<int> {1, 15, 16};
        QTest::newRow("a tail") << "chase" << QStringList {"tail=2"} << 5 << QList<int> {4, 5, 6};
        QTest::newRow("bouncing back") << "chase" << QStringList {"bounce=1"} << 16 << QList<int> {15};
        QTest::newRow("filling") << "fill" << QStringList {} << 2 << QList<int> {1, 2, 3};
        QTest::newRow("emptying") << "fill" << QStringList {} << 17
                                  << QList<int> {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
        QTest::newRow("from the middle") << "fill" << QStringList {"from=middle"} << 1 << QList<int> {8, 9};
        QTest::newRow("counting") << "counter" << QStringList {} << 5 << QList<int> {1, 3};
        QTest::newRow("page numbers") << "test" << QStringList {"pattern=pages"} << 16 * 5 + 7 << QList<int> {2, 3};
        QTest::newRow("no sparkle") << "sparkle" << QStringList {"density=0"} << 300 << QList<int> {};
        QTest::newRow("all sparkle") << "sparkle" << QStringList {"density=100"} << 300
                                     << QList<int> {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    }
    void settingsShapeTheEffect()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, settings);
        QFETCH(int, frame);
        QFETCH(QList<int>, lit);
        QCOMPARE(litLeds(Generators::make(kind, settings, 16), frame, 16), lit);
    }

    // Text scrolls a column of its glyphs a row, the glyphs' top at the string's far end; our
    // pixel font is 8 LEDs high and doubled on 16.
    void textScrollsThroughTheString_data()
    {
        QTest::addColumn<int>("leds");
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<int>("frame");
        QTest::addColumn<QList<int>>("lit");
        QTest::newRow("H's stem, 16 LEDs")
            << 16 << QStringList {"text=H"} << 1 << QList<int> {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
        QTest::newRow("H's bar, 16 LEDs") << 16 << QStringList {"text=H"} << 2 << QList<int> {9, 10};
        QTest::newRow("H's stem, 8 LEDs") << 8 << QStringList {"text=H"} << 0 << QList<int> {2, 3, 4, 5, 6, 7, 8};
        QTest::newRow("H's bar, 8 LEDs") << 8 << QStringList {"text=H"} << 1 << QList<int> {5};
        QTest::newRow("slower") << 8 << QStringList {"text=H", "speed=2"} << 3 << QList<int> {5};
        QTest::newRow("inverted") << 8 << QStringList {"text=H", "invert=1"} << 1 << QList<int> {1, 2, 3, 4, 6, 7, 8};
        QTest::newRow("in the gap") << 8 << QStringList {"text=I", "gap=2"} << 4 << QList<int> {};
        QTest::newRow("repeated after the gap") << 8 << QStringList {"text=I", "gap=2"} << 6 << QList<int> {2, 8};
        QTest::newRow("an umlaut") << 8 << QStringList {QStringLiteral("text=\u00C4")} << 0
                                   << QList<int> {2, 3, 4, 5, 6, 8};
        QTest::newRow("a tail below the line") << 8 << QStringList {"text=g"} << 1 << QList<int> {1, 3, 6};
        QTest::newRow("no glyph: a question mark")
            << 8 << QStringList {QStringLiteral("text=\u20AC")} << 1 << QList<int> {8};
    }
    void textScrollsThroughTheString()
    {
        QFETCH(int, leds);
        QFETCH(QStringList, settings);
        QFETCH(int, frame);
        QFETCH(QList<int>, lit);
        QCOMPARE(litLeds(Generators::make(QStringLiteral("text"), settings, leds), frame, leds), lit);
    }

    void theSameSeedMakesTheSameBytes()
    {
        const auto bytes = [](const QString &seed) {
            return ImageEncoder::encode(
                Generators::make(QStringLiteral("sparkle"), {QStringLiteral("seed=") + seed}, 16), ImageLayout::Bits16);
        };
        QCOMPARE(bytes(QStringLiteral("7")), bytes(QStringLiteral("7")));
        QVERIFY(bytes(QStringLiteral("7")) != bytes(QStringLiteral("8")));
    }

    void nothingIsGuessed_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("said");
        QTest::newRow("no such kind") << "blink" << QStringList {} << "\"blink\" is no kind of effect";
        QTest::newRow("a typing error") << "chase" << QStringList {"widht=3"} << "\"widht=3\": chase takes width";
        QTest::newRow("twice") << "chase" << QStringList {"width=2", "width=3"} << "\"width=3\": chase takes";
        QTest::newRow("no value's sign") << "chase" << QStringList {"width"} << "\"width\": chase takes";
        QTest::newRow("too wide") << "chase" << QStringList {"width=17"} << "width=17: a whole number from 1 to 16";
        QTest::newRow("not a number") << "sparkle" << QStringList {"density=lots"} << "density=lots: a whole number";
        QTest::newRow("no such pattern") << "test" << QStringList {"pattern=zebra"} << "pattern=zebra: one of all";
        QTest::newRow("too fast") << "text" << QStringList {"speed=0"} << "speed=0: a whole number from 1 to 64";
        QTest::newRow("a font without a window")
            << "text" << QStringList {"font=Sans"} << "font=Sans: installed fonts are drawn in the window";
        QTest::newRow("a counter takes nothing")
            << "counter" << QStringList {"width=1"} << "\"width=1\": counter takes no settings";
    }
    void nothingIsGuessed()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, settings);
        QFETCH(QString, said);
        QString message;
        try {
            Generators::make(kind, settings, 16);
        } catch (const AppError &error) {
            message = error.message();
        }
        QVERIFY2(message.startsWith(said), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(TestGenerators)
#include "tst_generators.moc"
