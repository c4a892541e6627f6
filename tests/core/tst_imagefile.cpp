// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/AppError.h"
#include "effect/EffectImage.h"
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
            QCOMPARE(error.message(), QStringLiteral("Cannot open file \"%1\"").arg(missing));
        }
        for (int page = 1; page <= EffectImage::PageCount; ++page)
            QCOMPARE(image.page(page), before.page(page));
    }
};

QTEST_GUILESS_MAIN(TestImageFile)
#include "tst_imagefile.moc"
