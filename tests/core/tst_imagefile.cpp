// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/AppError.h"
#include "effect/EffectImage.h"
#include "effect/ImageEncoder.h"
#include "effect/ImageFile.h"
#include "tests/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

class TestImageFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutFollowsTheExtension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("eightBit");
        QTest::newRow(".bin") << "e.bin" << false;
        QTest::newRow(".BIN8") << "e.BIN8" << true;
    }
    void layoutFollowsTheExtension()
    {
        QFETCH(QString, name);
        QFETCH(bool, eightBit);
        QTemporaryDir dir;
        // Byte 1 lights the leftmost LED of the 16-bit layout's right half, or of row 2 in the
        // 8-bit layout.
        QByteArray bytes(2048, char(0xFF));
        bytes[1] = char(0xFE);
        const QString path = TestFiles::writeAll(dir.filePath(name), bytes);
        EffectImage image;
        QCOMPARE(ImageFile::load(path, image), eightBit ? ImageLayout::Bits8 : ImageLayout::Bits16);
        const int litIndex = eightBit ? 16 : 8;
        QCOMPARE(image.page(1)[litIndex], EffectImage::On);
        QCOMPARE(std::count(image.page(1).begin(), image.page(1).end(), EffectImage::On), 1);
    }

    // Whatever bytes a file holds, encoding what was decoded gives them back (a short file
    // comes back at full length, its missing bytes erased).
    void encodingIsTheInverseOfDecoding_data()
    {
        QTest::addColumn<bool>("eightBit");
        QTest::addColumn<int>("length");
        QTest::newRow("16-bit, full") << false << 2048;
        QTest::newRow("16-bit, short") << false << 1000;
        QTest::newRow("8-bit, full") << true << 1024;
        QTest::newRow("8-bit, short") << true << 7;
    }
    void encodingIsTheInverseOfDecoding()
    {
        QFETCH(bool, eightBit);
        QFETCH(int, length);
        const ImageLayout layout = eightBit ? ImageLayout::Bits8 : ImageLayout::Bits16;
        QByteArray bytes(length, Qt::Uninitialized);
        for (int i = 0; i < length; ++i)
            bytes[i] = static_cast<char>((i * 151 + 7) % 256); // every bit pattern, spread
        EffectImage image;
        ImageDecoder::decode(bytes, layout, image);
        const QByteArray expected = bytes + QByteArray(ImageDecoder::byteCount(layout) - length, '\xFF');
        QCOMPARE(ImageEncoder::encode(image, layout), expected);
        QCOMPARE(ImageEncoder::rightHalfLitPages(image).isEmpty(), eightBit);
    }

    void rightHalfLitPagesNamesEachPageOnce()
    {
        EffectImage image;
        image.fillAllPagesOff();
        image.setSlotEntry(3, 8, EffectImage::On); // row 1, first LED of the right half
        image.setSlotEntry(3, 255, EffectImage::On);
        image.setSlotEntry(9, 7, EffectImage::On); // left half only
        image.setSlotEntry(64, 16 * 15 + 12, EffectImage::On);
        QCOMPARE(ImageEncoder::rightHalfLitPages(image), QList<int>({3, 64}));
    }

    void anUnreadableFileChangesNothing()
    {
        QTemporaryDir dir;
        EffectImage image;
        image.setSlotEntry(3, 7, EffectImage::On);
        const EffectImage before = image;
        const QString missing = dir.filePath(QStringLiteral("missing.bin"));
        try {
            ImageFile::load(missing, image);
            QFAIL("a missing file was read");
        } catch (const AppError &error) {
            QCOMPARE(
                error.message(), QStringLiteral("Cannot open file \"%1\": No such file or directory").arg(missing));
        }
        for (int page = 1; page <= EffectImage::PageCount; ++page)
            QCOMPARE(image.page(page), before.page(page));
    }
};

QTEST_GUILESS_MAIN(TestImageFile)
#include "tst_imagefile.moc"
