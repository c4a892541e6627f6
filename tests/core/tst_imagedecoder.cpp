// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/AppError.h"
#include "effect/ImageDecoder.h"
#include "effect/ImageReader.h"
#include "tests/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {
using Page = EffectImage::Page;

// Builds the expected page independently of the decoder: one string of 16 '0'/'1' per row.
Page pageFromRows(const QStringList &rows)
{
    Page page {};
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 16; ++c)
            page[static_cast<std::size_t>(r * 16 + c)] = rows.at(r).at(c) == QLatin1Char('1') ? 1 : 0;
    return page;
}

Page uniformPage(std::uint8_t state)
{
    Page page;
    page.fill(state);
    return page;
}

EffectImage decoded(const QByteArray &bytes, ImageLayout layout)
{
    EffectImage image;
    // Something to be overwritten: every slot must be replaced.
    for (int page = 1; page <= EffectImage::PageCount; ++page)
        for (int i = 0; i < EffectImage::LedsPerPage; ++i)
            image.setSlotEntry(page, i, static_cast<std::uint8_t>((page + i) % 2));
    ImageDecoder::decode(bytes, layout, image);
    return image;
}

} // namespace

class TestImageDecoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutForPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("eightBit");
        QTest::newRow(".bin") << "/a/effect.bin" << false;
        QTest::newRow(".bin16") << "/a/effect.bin16" << false;
        QTest::newRow(".bin8") << "/a/effect.bin8" << true;
        QTest::newRow(".BIN") << "/a/EFFECT.BIN" << false;
        QTest::newRow(".Bin16") << "/a/e.Bin16" << false;
        QTest::newRow(".BIN8") << "/a/e.BIN8" << true;
        QTest::newRow(".rom is the chip's layout") << "/a/e.rom" << false;
        QTest::newRow("no extension") << "/a/bin8" << false;
        QTest::newRow("dotted folder") << "/a.bin8/effect" << false;
        QTest::newRow("last suffix counts") << "/a/e.bin8.bin" << false;
    }
    void layoutForPath()
    {
        QFETCH(QString, path);
        QFETCH(bool, eightBit);
        QCOMPARE(ImageDecoder::layoutForPath(path) == ImageLayout::Bits8, eightBit);
    }

    void uniformFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("eightBit");
        QTest::addColumn<int>("leftState");
        QTest::addColumn<int>("rightState");
        QTest::newRow("16-bit all 0xFF: all Off") << QByteArray(2048, '\xFF') << false << 1 << 1;
        QTest::newRow("16-bit all 0x00: all On") << QByteArray(2048, '\0') << false << 0 << 0;
        QTest::newRow("8-bit all 0x00: left On, right Off") << QByteArray(1024, '\0') << true << 0 << 1;
        QTest::newRow("empty 16-bit: erased, all Off") << QByteArray() << false << 1 << 1;
        QTest::newRow("empty 8-bit: erased, all Off") << QByteArray() << true << 1 << 1;
    }
    void uniformFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, eightBit);
        QFETCH(int, leftState);
        QFETCH(int, rightState);
        const EffectImage image = decoded(bytes, eightBit ? ImageLayout::Bits8 : ImageLayout::Bits16);
        for (int page = 1; page <= EffectImage::PageCount; ++page) {
            for (int i = 0; i < EffectImage::LedsPerPage; ++i) {
                const int expected = i % 16 < 8 ? leftState : rightState;
                if (image.page(page)[static_cast<std::size_t>(i)] != expected)
                    QFAIL(qPrintable(QStringLiteral("page %1 LED %2").arg(page).arg(i + 1)));
            }
        }
    }

    void sixteenBitBitOrder()
    {
        QByteArray bytes(2048, '\xFF');
        bytes[0] = '\x01'; // row 0, columns 0..7: only column 0 Off
        bytes[1] = '\x80'; // row 0, columns 8..15: only column 15 Off
        bytes[2] = '\xAA'; // row 1, columns 0..7: odd columns Off
        bytes[32] = '\x00'; // page 2 starts at offset 32
        bytes[2047] = '\x7F'; // page 64, row 15, right half: column 15 On
        const EffectImage image = decoded(bytes, ImageLayout::Bits16);
        QStringList rows(16, QStringLiteral("1111111111111111"));
        rows[0] = QStringLiteral("1000000000000001");
        rows[1] = QStringLiteral("0101010111111111");
        QCOMPARE(image.page(1), pageFromRows(rows));
        QStringList page2(16, QStringLiteral("1111111111111111"));
        page2[0] = QStringLiteral("0000000011111111");
        QCOMPARE(image.page(2), pageFromRows(page2));
        QStringList page64(16, QStringLiteral("1111111111111111"));
        page64[15] = QStringLiteral("1111111111111110");
        QCOMPARE(image.page(64), pageFromRows(page64));
    }

    void eightBitLayout()
    {
        QByteArray bytes(1024, '\xFF');
        bytes[0] = '\xFE'; // page 1 row 0: column 0 On
        bytes[1] = '\x00'; // page 1 row 1: columns 0..7 On
        bytes[16] = '\x7F'; // page 2 row 0: column 7 On
        bytes[1023] = '\x0F'; // page 64 row 15
        const EffectImage image = decoded(bytes, ImageLayout::Bits8);
        QStringList page1(16, QStringLiteral("1111111111111111"));
        page1[0] = QStringLiteral("0111111111111111");
        page1[1] = QStringLiteral("0000000011111111");
        QCOMPARE(image.page(1), pageFromRows(page1));
        QStringList page2(16, QStringLiteral("1111111111111111"));
        page2[0] = QStringLiteral("1111111011111111");
        QCOMPARE(image.page(2), pageFromRows(page2));
        QStringList page64(16, QStringLiteral("1111111111111111"));
        page64[15] = QStringLiteral("1111000011111111");
        QCOMPARE(image.page(64), pageFromRows(page64));
    }

    void shortFileIsPaddedWithErasedBytes()
    {
        const EffectImage image = decoded(QByteArray(100, '\0'), ImageLayout::Bits16);
        QCOMPARE(image.page(1), uniformPage(EffectImage::On));
        QCOMPARE(image.page(3), uniformPage(EffectImage::On)); // bytes 64..95
        QStringList page4(16, QStringLiteral("1111111111111111"));
        page4[0] = QStringLiteral("0000000000000000"); // bytes 96..97
        page4[1] = QStringLiteral("0000000000000000"); // bytes 98..99
        QCOMPARE(image.page(4), pageFromRows(page4));
        QCOMPARE(image.page(5), uniformPage(EffectImage::Off));
    }

    void bytesPastTheLayoutAreIgnored()
    {
        QByteArray bytes(2048, '\xFF');
        bytes += QByteArray(4096, '\0');
        QCOMPARE(decoded(bytes, ImageLayout::Bits16).page(64), uniformPage(EffectImage::Off));
        QByteArray eight(1024, '\xFF');
        eight += QByteArray(1024, '\0');
        QCOMPARE(decoded(eight, ImageLayout::Bits8).page(64), uniformPage(EffectImage::Off));
    }

    void readerReadsOnlyTheHead()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.bin"));
        QByteArray bytes(5000, '\x11');
        bytes[2047] = '\x22';
        TestFiles::writeAll(path, bytes);
        const QByteArray head = ImageReader::readHead(path, 2048);
        QCOMPARE(head.size(), 2048);
        QCOMPARE(head.back(), '\x22');
        QCOMPARE(ImageReader::readHead(path, 10000).size(), 5000);
    }

    void readerOnSparseHugeFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("huge.bin"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(4) << 30)); // sparse: costs no disk
        file.close();
        const QByteArray head = ImageReader::readHead(path, 2048);
        QCOMPARE(head, QByteArray(2048, '\0'));
    }

    void readerRefuses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << "gone.bin"
                                      << "No such file or directory";
        QTest::newRow("a folder") << "folder.bin"
                                  << "it is a folder";
        QTest::newRow("a named pipe: refused at once, no wait for a writer") << "pipe.bin"
                                                                             << "it is a named pipe";
        QTest::newRow("a character device") << "/dev/zero"
                                            << "it is a character device";
    }
    void readerRefuses()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.bin")));
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.bin"))).constData(), 0600) == 0);
        const QString path = name.startsWith(QLatin1Char('/')) ? name : dir.filePath(name);
        try {
            ImageReader::readHead(path, 2048);
            QFAIL("no error raised");
        } catch (const AppError &error) {
            QCOMPARE(error.message(), QStringLiteral("Cannot open file \"%1\": %2").arg(path, reason));
        }
    }
};

QTEST_GUILESS_MAIN(TestImageDecoder)
#include "tst_imagedecoder.moc"
