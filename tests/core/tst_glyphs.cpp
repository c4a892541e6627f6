// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/BmpDecoder.h"
#include "common/GlyphBitmaps.h"
#include "common/GlyphChoice.h"

#include <QTest>

Q_DECLARE_METATYPE(Glyph)

class TestGlyphs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultsRepeatRedGreenBlueYellow()
    {
        const ColourSettings settings;
        const std::uint8_t expected[17] = {1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4, 1};
        for (int k = 1; k <= ColourSettings::EntryCount; ++k) {
            QCOMPARE(settings.entry(k), expected[k - 1]);
            QCOMPARE(ColourSettings::defaultEntry(k), expected[k - 1]);
        }
    }

    void glyphFor_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("unlit");
        QTest::addColumn<Glyph>("glyph");
        QTest::newRow("lit red") << 1 << 1 << false << Glyph::RedLit;
        QTest::newRow("lit green") << 2 << 1 << false << Glyph::GreenLit;
        QTest::newRow("lit blue") << 3 << 1 << false << Glyph::BlueLit;
        QTest::newRow("lit yellow") << 4 << 1 << false << Glyph::YellowLit;
        QTest::newRow("lit colour 0 falls back") << 0 << 1 << false << Glyph::RedRing;
        QTest::newRow("lit colour 5 falls back") << 5 << 1 << false << Glyph::RedRing;
        QTest::newRow("lit colour 255 falls back") << 255 << 1 << false << Glyph::RedRing;
        QTest::newRow("lit ignores blank style") << 3 << 3 << false << Glyph::BlueLit;
        QTest::newRow("ring red") << 1 << 1 << true << Glyph::RedRing;
        QTest::newRow("ring green") << 2 << 1 << true << Glyph::GreenRing;
        QTest::newRow("ring blue") << 3 << 1 << true << Glyph::BlueRing;
        QTest::newRow("ring yellow") << 4 << 1 << true << Glyph::YellowRing;
        QTest::newRow("ring colour 9 falls back") << 9 << 1 << true << Glyph::RedRing;
        QTest::newRow("crossed, any colour") << 4 << 2 << true << Glyph::CrossedOff;
        QTest::newRow("crossed, odd colour") << 200 << 2 << true << Glyph::CrossedOff;
        QTest::newRow("blank") << 2 << 3 << true << Glyph::None;
        QTest::newRow("style 0 falls back") << 2 << 0 << true << Glyph::RedRing;
        QTest::newRow("style 4 falls back") << 3 << 4 << true << Glyph::RedRing;
    }
    void glyphFor()
    {
        QFETCH(int, colour);
        QFETCH(int, style);
        QFETCH(bool, unlit);
        QFETCH(Glyph, glyph);
        ColourSettings settings;
        settings.setEntry(7, static_cast<std::uint8_t>(colour));
        settings.setEntry(ColourSettings::OffStyleEntry, static_cast<std::uint8_t>(style));
        QCOMPARE(GlyphChoice::glyphFor(settings, 7, unlit), glyph);
        QCOMPARE(GlyphChoice::glyphFor(settings, 8, false), Glyph::YellowLit); // other columns keep theirs
    }

    void bitmapsAre19x19TwentyFourBit()
    {
        GlyphBitmaps glyphs;
        QVERIFY(!glyphs.isLoaded());
        glyphs.load();
        QVERIFY(glyphs.isLoaded());
        QVERIFY(glyphs.bitmap(Glyph::None).isNull());
        QVERIFY(glyphs.drawable(Glyph::None).isNull());
        for (int number = 1; number <= 9; ++number) {
            const QImage &bitmap = glyphs.bitmap(static_cast<Glyph>(number));
            QCOMPARE(bitmap.size(), QSize(19, 19));
            QCOMPARE(bitmap.format(), QImage::Format_RGB888);
            QCOMPARE(glyphs.drawable(static_cast<Glyph>(number)).size(), QSize(19, 19));
        }
    }

    // The background around the disc is transparent; nothing on the disc is.
    void transparencyKeyIsExactlyTheBackground()
    {
        GlyphBitmaps glyphs;
        glyphs.load();
        for (int number = 1; number <= 9; ++number) {
            const QImage &bitmap = glyphs.bitmap(static_cast<Glyph>(number));
            const QImage &drawable = glyphs.drawable(static_cast<Glyph>(number));
            const QRgb key = bitmap.pixel(0, 18);
            for (int y = 0; y < 19; ++y) {
                for (int x = 0; x < 19; ++x) {
                    const double distance = std::hypot(x + 0.5 - 9.5, y + 0.5 - 9.5);
                    const bool transparent = qAlpha(drawable.pixel(x, y)) == 0;
                    QCOMPARE(transparent, bitmap.pixel(x, y) == key);
                    if (distance < 7.0)
                        QVERIFY2(
                            !transparent, qPrintable(QStringLiteral("BITMAP_%1 (%2,%3)").arg(number).arg(x).arg(y)));
                    if (distance > 9.0)
                        QVERIFY(transparent);
                }
            }
        }
    }

    // Our reader agrees with Qt's own on every picture we ship.
    void bmpDecoderAgreesWithQt()
    {
        QStringList paths {QStringLiteral(":/resources/OpenFolder.bmp")};
        for (int number = 1; number <= 9; ++number)
            paths << GlyphBitmaps::resourcePath(number);
        for (const QString &path : paths) {
            const QImage ours = BmpDecoder::load(path);
            QVERIFY2(!ours.isNull(), qPrintable(path));
            QCOMPARE(ours, QImage(path).convertToFormat(QImage::Format_RGB888));
        }
    }

    void bmpDecoderRefusesWhatIsNotOurs_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("patch");
        QTest::addColumn<int>("truncateTo");
        QTest::newRow("not BM") << 0 << QByteArray("XM") << -1;
        QTest::newRow("8-bit depth") << 28 << QByteArray("\x08\x00", 2) << -1;
        QTest::newRow("compressed") << 30 << QByteArray("\x01", 1) << -1;
        QTest::newRow("pixels cut short") << 0 << QByteArray() << 1000;
        QTest::newRow("header only") << 0 << QByteArray() << 40;
        QTest::newRow("huge width") << 18 << QByteArray("\xFF\xFF\x00\x00", 4) << -1;
        QTest::newRow("negative width") << 18 << QByteArray("\xFF\xFF\xFF\xFF", 4) << -1;
        QTest::newRow("height INT32_MIN") << 22 << QByteArray("\x00\x00\x00\x80", 4) << -1; // no negation
        QTest::newRow("top-down, too tall") << 22 << QByteArray("\x00\xF0\xFF\xFF", 4) << -1;
        QTest::newRow("data offset past the end") << 10 << QByteArray("\xFF\xFF\x00\x00", 4) << -1;
    }
    void bmpDecoderRefusesWhatIsNotOurs()
    {
        QFETCH(int, offset);
        QFETCH(QByteArray, patch);
        QFETCH(int, truncateTo);
        QFile file(GlyphBitmaps::resourcePath(1));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        QVERIFY(!BmpDecoder::decode(bytes).isNull());
        bytes.replace(offset, patch.size(), patch);
        if (truncateTo >= 0)
            bytes.truncate(truncateTo);
        QVERIFY(BmpDecoder::decode(bytes).isNull());
    }

    void withTransparentKeyMatchesExactly()
    {
        QImage image(3, 2, QImage::Format_RGB888);
        image.fill(QColor(10, 20, 30));
        image.setPixelColor(1, 0, QColor(10, 20, 31)); // one step off: stays
        const QImage keyed = GlyphBitmaps::withTransparentKey(image);
        QCOMPARE(qAlpha(keyed.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(keyed.pixel(2, 1)), 0);
        QCOMPARE(keyed.pixel(1, 0), qRgb(10, 20, 31));
    }
};

QTEST_GUILESS_MAIN(TestGlyphs)
#include "tst_glyphs.moc"
