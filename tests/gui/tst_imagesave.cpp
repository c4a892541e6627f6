// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/AppError.h"
#include "common/ColourSettings.h"
#include "effect/CArrayExport.h"
#include "effect/EffectImage.h"
#include "effect/ImageEncoder.h"
#include "effect/ImageFile.h"
#include "effect/PageTools.h"
#include "effect/PngExport.h"
#include "effect/RowTools.h"
#include "picture/PictureImport.h"
#include "tests/TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray patterned(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 37 + 11) % 256);
    return bytes;
}
} // namespace

class TestImageSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Load, save, load: the same bytes, in every layout and letter case; a short file comes back
    // at full length, its missing bytes erased, as they were read.
    void roundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("layoutSize");
        QTest::newRow(".bin") << "a.bin" << 2048 << 2048;
        QTest::newRow(".BIN16") << "a.BIN16" << 2048 << 2048;
        QTest::newRow(".bin8") << "a.bin8" << 1024 << 1024;
        QTest::newRow(".Bin8, short") << "a.Bin8" << 300 << 1024;
        QTest::newRow(".bin, short") << "a.bin" << 5 << 2048;
        QTest::newRow(".rom, the chip's layout") << "a.rom" << 2048 << 2048;
    }
    void roundTrip()
    {
        QFETCH(QString, name);
        QFETCH(int, length);
        QFETCH(int, layoutSize);
        QTemporaryDir dir;
        const QByteArray original = patterned(length);
        const QString path = TestFiles::writeAll(dir.filePath(name), original);
        EffectImage image;
        const ImageLayout layout = ImageFile::load(path, image);
        QCOMPARE(ImageFile::holdsMoreThanItsLayout(path), false);
        ImageFile::save(path, image, layout);
        QCOMPARE(TestFiles::readAll(path), original + QByteArray(layoutSize - length, '\xFF'));
        EffectImage again;
        ImageFile::load(path, again);
        for (int page = 1; page <= EffectImage::PageCount; ++page)
            QCOMPARE(again.page(page), image.page(page));
    }

    void aLongerFileHoldsBytesNeverRead()
    {
        QTemporaryDir dir;
        QVERIFY(ImageFile::holdsMoreThanItsLayout(TestFiles::writeAll(dir.filePath("big.bin"), patterned(2049))));
        QVERIFY(ImageFile::holdsMoreThanItsLayout(TestFiles::writeAll(dir.filePath("big.bin8"), patterned(1025))));
        QVERIFY(!ImageFile::holdsMoreThanItsLayout(TestFiles::writeAll(dir.filePath("fits.bin8"), patterned(1024))));
    }

    void aFailedSaveLeavesWhatWasThere()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.bin")));
        EffectImage image;
        for (const QString &path : {dir.filePath("folder.bin"), dir.filePath("missing/a.bin")}) {
            try {
                ImageFile::save(path, image, ImageLayout::Bits16);
                QFAIL("no error raised");
            } catch (const AppError &error) {
                QVERIFY2(error.message().startsWith(QStringLiteral("Cannot save \"%1\": ").arg(path)),
                    qPrintable(error.message()));
            }
        }
        QVERIFY(QFileInfo(dir.filePath("folder.bin")).isDir());
    }

    void pageTools()
    {
        EffectImage::Page page = PageTools::cleared();
        page[3] = EffectImage::On;
        const EffectImage::Page inverted = PageTools::inverted(page);
        QCOMPARE(inverted[3], EffectImage::Off);
        QCOMPARE(inverted[4], EffectImage::On);
        QCOMPARE(PageTools::inverted(inverted), page);
        QCOMPARE(PageTools::fromBytes(PageTools::bytes(page)), page);
        QCOMPARE(PageTools::bytes(PageTools::filled()), QByteArray(32, '\0'));
        QCOMPARE(PageTools::bytes(page).left(2), QByteArray("\xF7\xFF"));
    }

    void parseHex_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        const QByteArray bytes = patterned(32);
        QTest::newRow("as copied") << PageTools::hexText(bytes) << true;
        QTest::newRow("a C array") << "{ " + PageTools::hexText(bytes).toLower() + " };" << true;
        QTest::newRow("plain digits") << QString::fromLatin1(bytes.toHex()) << true;
        QTest::newRow("plain digits in groups") << QString::fromLatin1(bytes.toHex(' ')) << true;
        QTest::newRow("31 bytes") << PageTools::hexText(bytes.left(31)) << false;
        QTest::newRow("33 bytes") << PageTools::hexText(bytes + '\x01') << false;
        QTest::newRow("a word among them") << PageTools::hexText(bytes) + ", oops" << false;
        QTest::newRow("C comments") << "/* page 3 */\n" + PageTools::hexText(bytes) + " // the end" << true;
        EffectImage image;
        ImageDecoder::decode(bytes + QByteArray(2048 - 32, '\xFF'), ImageLayout::Bits16, image);
        const QByteArray exported = CArrayExport::header(image, ImageLayout::Bits16, QStringLiteral("e"));
        const qsizetype page = exported.indexOf("    /* page 1 */");
        QTest::newRow("the lines of the C export")
            << QString::fromLatin1(exported.mid(page, exported.indexOf("    /* page 2 */") - page)) << true;
        QTest::newRow("text") << "hello" << false;
        QTest::newRow("empty") << "" << false;
    }
    void parseHex()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        const std::optional<QByteArray> parsed = PageTools::parseHex(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, patterned(32));
    }

    void cIdentifiers_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "/x/scanner.bin"
                               << "scanner";
        QTest::newRow("blanks and dashes") << "/x/my effect-2.bin16"
                                           << "my_effect_2";
        QTest::newRow("a digit first") << "/x/3d.bin"
                                       << "effect_3d";
        QTest::newRow("not ASCII") << QString::fromUtf8("/x/Lichtspiel-\u00fc.bin") << "Lichtspiel__";
        QTest::newRow("a keyword") << "/x/int.h"
                                   << "effect_int";
        QTest::newRow("a keyword of C11") << "/x/_Bool.h"
                                          << "effect_Bool";
        QTest::newRow("no letter at all") << QString::fromUtf8("/x/\u5149.h") << "effect_";
        QTest::newRow("two underscores") << "/x/__.h"
                                         << "effect__";
    }
    void cIdentifiers()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(CArrayExport::identifierFor(path), name);
    }

    // The header compiles, and the array holds the image's bytes.
    void theCArrayCompilesToTheImage_data()
    {
        QTest::addColumn<bool>("eightBit");
        QTest::addColumn<QString>("file");
        QTest::newRow("16-bit") << false << "my effect.h";
        QTest::newRow("8-bit") << true << "my effect.h";
        for (const char *name : {"int.h", "const.h", "if.h", "_Bool.h", "_.h", "__.h"})
            QTest::newRow(name) << false << QString::fromLatin1(name);
    }
    void theCArrayCompilesToTheImage()
    {
        QFETCH(bool, eightBit);
        QFETCH(QString, file);
        const ImageLayout layout = eightBit ? ImageLayout::Bits8 : ImageLayout::Bits16;
        const QByteArray name = CArrayExport::identifierFor(file).toLatin1();
        EffectImage image;
        ImageDecoder::decode(patterned(2048), layout, image);
        QTemporaryDir dir;
        TestFiles::writeAll(dir.filePath("effect.h"), CArrayExport::header(image, layout, QString::fromLatin1(name)));
        TestFiles::writeAll(dir.filePath("dump.c"),
            "#include <stdio.h>\n#include \"effect.h\"\n"
            "int main(void) { fwrite("
                + name + ", 1, sizeof " + name + ", stdout); return 0; }\n");
        QProcess compiler;
        compiler.setWorkingDirectory(dir.path());
        compiler.start(QStringLiteral("cc"),
            {QStringLiteral("-std=c99"), QStringLiteral("-pedantic"), QStringLiteral("-Wall"),
                QStringLiteral("-Werror"), QStringLiteral("dump.c"), QStringLiteral("-o"), QStringLiteral("dump")});
        QVERIFY(compiler.waitForFinished(60000));
        QVERIFY2(compiler.exitCode() == 0, compiler.readAllStandardError().constData());
        QProcess dump;
        dump.start(dir.filePath(QStringLiteral("dump")), {});
        QVERIFY(dump.waitForFinished(10000));
        QCOMPARE(dump.readAllStandardOutput(), ImageEncoder::encode(image, layout));
    }

    void thePictureOfAllPages()
    {
        EffectImage image;
        image.fillAllPagesOff();
        image.setSlotEntry(1, 0, EffectImage::On); // page 1, top-left: column 1, red
        image.setSlotEntry(64, 255, EffectImage::On); // page 64, bottom-right: column 16, yellow
        const QImage picture = PngExport::render(image, ColourSettings());
        QVERIFY(picture.width() < 1200 && picture.height() < 1200);
        // Gap 10, the page number 14 high, then the 6 px dots.
        QCOMPARE(QColor(picture.pixel(10 + 3, 10 + 14 + 3)), QColor(240, 40, 40));
        QCOMPARE(QColor(picture.pixel(10 + 6 + 3, 10 + 14 + 3)), QColor(60, 62, 70)); // dark: off
        const int left = 10 + 7 * (96 + 10);
        const int top = 10 + 7 * (14 + 96 + 10) + 14;
        QCOMPARE(QColor(picture.pixel(left + 15 * 6 + 3, top + 15 * 6 + 3)), QColor(250, 220, 30));
    }

    // A black-and-white picture of two tiles comes in as pages 1 and 2, and the sheet of all
    // pages shows each of its pixels as a lit or a dark dot.
    void aPictureRoundTripsIntoTheSheet()
    {
        QImage drawn(32, 16, QImage::Format_RGB32);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 32; ++x)
                drawn.setPixel(x, y, (x * 7 + y * 3) % 5 == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("tiles.bmp"));
        QVERIFY(drawn.save(path));
        EffectImage image;
        image.fillAllPagesOff();
        RowTools::Pages pages = RowTools::pagesOf(image);
        RowTools::writeFrames(pages, RowSelection::pages(1, 64).list(),
            PictureImport::rows(PictureImport::read(path), {QStringLiteral("placement=pages")}, 16), 16);
        for (int page = 1; page <= 64; ++page)
            image.setPage(page, pages[static_cast<std::size_t>(page - 1)]);
        const QImage sheet = PngExport::render(image, ColourSettings());
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 32; ++x) {
                const int left = 10 + x / 16 * (96 + 10); // the second tile is page 2, beside page 1
                const QColor dot(sheet.pixel(left + x % 16 * 6 + 3, 10 + 14 + y * 6 + 3));
                QCOMPARE(dot != QColor(60, 62, 70), qGray(drawn.pixel(x, y)) == 255);
            }
        }
    }
};

QTEST_MAIN(TestImageSave)
#include "tst_imagesave.moc"
