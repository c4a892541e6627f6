// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/AppError.h"
#include "common/ColourSettings.h"
#include "effect/CArrayExport.h"
#include "effect/ImageEncoder.h"
#include "exporting/Exports.h"
#include "exporting/GifAnimation.h"
#include "generate/Generators.h"

#include <QColor>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gif_lib.h>

// The exports as other tools read them: the programmer files back through objcopy into the
// image's bytes, the animations' frames and delays through giflib, the C array's options.
class TestExports : public QObject
{
    Q_OBJECT

private:
    static EffectImage sparkle(int leds)
    {
        return Generators::make(QStringLiteral("sparkle"), {QStringLiteral("density=50")}, leds);
    }
    static QByteArray made(const QString &kind, ImageLayout layout, const QStringList &settings = {})
    {
        const int leds = layout == ImageLayout::Bits8 ? 8 : 16;
        return Exports::make(kind, sparkle(leds), layout, settings, ColourSettings(), QStringLiteral("/x/effect.out"));
    }
    static int readFrom(GifFileType *file, GifByteType *into, int length)
    {
        auto *source = static_cast<QByteArray *>(file->UserData);
        const int taken = std::min(length, static_cast<int>(source->size()));
        std::memcpy(into, source->constData(), static_cast<std::size_t>(taken));
        source->remove(0, taken);
        return taken;
    }

private Q_SLOTS:
    // objcopy reads either file back into exactly the image's bytes.
    void programmerFilesReadBack_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("eightLeds");
        QTest::newRow("Intel HEX") << "hex" << false;
        QTest::newRow("Intel HEX, 8 LEDs") << "hex" << true;
        QTest::newRow("S-record") << "srec" << false;
        QTest::newRow("S-record, 8 LEDs") << "srec" << true;
    }
    void programmerFilesReadBack()
    {
        QFETCH(QString, kind);
        QFETCH(bool, eightLeds);
        const ImageLayout layout = eightLeds ? ImageLayout::Bits8 : ImageLayout::Bits16;
        QTemporaryDir folder;
        const QString text = folder.filePath(QStringLiteral("effect.txt"));
        const QString binary = folder.filePath(QStringLiteral("effect.bin"));
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(made(kind, layout));
        file.close();
        QProcess objcopy;
        objcopy.start(QStringLiteral("objcopy"),
            {QStringLiteral("-I"), kind == QLatin1String("hex") ? QStringLiteral("ihex") : QStringLiteral("srec"),
                QStringLiteral("-O"), QStringLiteral("binary"), text, binary});
        QVERIFY2(objcopy.waitForFinished(), "objcopy (binutils) is needed");
        QCOMPARE(objcopy.exitCode(), 0);
        QFile back(binary);
        QVERIFY(back.open(QIODevice::ReadOnly));
        QCOMPARE(back.readAll(), ImageEncoder::encode(sparkle(eightLeds ? 8 : 16), layout));
    }

    // A frame a row at the clock's rate, or a frame a page as long as its 16 rows play.
    void animationsHoldTheirFrames_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<bool>("eightLeds");
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("delay"); // hundredths of a second
        QTest::addColumn<QSize>("size");
        QTest::newRow("rows at 20 a second")
            << "gif" << QStringList {"rate=20"} << false << 1024 << 5 << QSize(256, 16);
        QTest::newRow("rows at 3 a second, 8 LEDs")
            << "gif" << QStringList {"rate=3"} << true << 1024 << 33 << QSize(128, 16);
        QTest::newRow("pages at 10 rows a second")
            << "gif-pages" << QStringList {"rate=10"} << false << 64 << 160 << QSize(256, 256);
        QTest::newRow("in colours of its own")
            << "gif" << QStringList {"colours=yyyybbbbggggrrrr"} << false << 1024 << 10 << QSize(256, 16);
    }
    void animationsHoldTheirFrames()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, settings);
        QFETCH(bool, eightLeds);
        QFETCH(int, frames);
        QFETCH(int, delay);
        QFETCH(QSize, size);
        QByteArray gif = made(kind, eightLeds ? ImageLayout::Bits8 : ImageLayout::Bits16, settings);
        int error = 0;
        GifFileType *file = DGifOpen(&gif, readFrom, &error);
        QVERIFY(file);
        QCOMPARE(DGifSlurp(file), GIF_OK);
        QCOMPARE(file->ImageCount, frames);
        QCOMPARE(QSize(file->SWidth, file->SHeight), size);
        // The palette after the background: the leftmost column's lit colour, yellow when chosen so.
        const GifColorType lit = file->SColorMap->Colors[1];
        QCOMPARE(QColor(lit.Red, lit.Green, lit.Blue),
            settings.join(QString()).contains(QLatin1String("colours")) ? QColor(240, 220, 0) : QColor(Qt::red));
        GraphicsControlBlock timing;
        for (const int frame : {0, frames - 1}) {
            QCOMPARE(DGifSavedExtensionToGCB(file, frame, &timing), GIF_OK);
            QCOMPARE(timing.DelayTime, delay);
        }
        DGifCloseFile(file, &error);
    }

    void cArrayOptions_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("holds");
        QTest::newRow("bytes, as ever") << QStringList {} << "const unsigned char effect[2048] = {";
        QTest::newRow("words") << QStringList {"values=words"} << "const unsigned short effect[1024] = {";
        QTest::newRow("in flash") << QStringList {"progmem=1"}
                                  << "#include <avr/pgmspace.h>\nconst unsigned char "
                                     "effect[2048] PROGMEM = {";
    }
    void cArrayOptions()
    {
        QFETCH(QStringList, settings);
        QFETCH(QString, holds);
        QVERIFY(QString::fromLatin1(made(QStringLiteral("c"), ImageLayout::Bits16, settings)).contains(holds));
    }

    // The leftmost LED in bit 7 turns each byte round; a word is the row's two bytes, first low.
    void cArrayValues()
    {
        EffectImage image;
        image.fillAllPagesOff();
        image.setSlotEntry(1, 0, EffectImage::On); // row 1's leftmost LED: bit 0 of its first byte, 0 lit
        const auto firstValue = [&image](CArrayOptions options) {
            const QByteArray text = CArrayExport::header(image, ImageLayout::Bits16, QStringLiteral("e"), options);
            const qsizetype at = text.indexOf("0x");
            return text.mid(at, text.indexOf(',', at) - at);
        };
        QCOMPARE(firstValue({}), QByteArray("0xFE"));
        QCOMPARE(firstValue({false, true, false}), QByteArray("0x7F"));
        QCOMPARE(firstValue({true, false, false}), QByteArray("0xFFFE"));
    }

    void exportsRefuseWhatTheyCannotMake()
    {
        QVERIFY_THROWS_EXCEPTION(
            AppError, made(QStringLiteral("c"), ImageLayout::Bits8, {QStringLiteral("values=words")}));
        QVERIFY_THROWS_EXCEPTION(
            AppError, made(QStringLiteral("gif"), ImageLayout::Bits16, {QStringLiteral("rate=0")}));
        QVERIFY_THROWS_EXCEPTION(AppError, made(QStringLiteral("png"), ImageLayout::Bits16));
        QVERIFY_THROWS_EXCEPTION(
            AppError, made(QStringLiteral("gif"), ImageLayout::Bits16, {QStringLiteral("colours=rgb")}));
    }
};

QTEST_GUILESS_MAIN(TestExports)
#include "tst_exports.moc"
