// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "noise/NoiseFrames.h"
#include "noise/NoiseGenerator.h"

#include <QTest>
#include <vector>

class TestNoise : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Worked out by hand from seed 0: 0 * 134775813 + 1 = 1, then 1 * 134775813 + 1 = 0x08088406;
    // the top byte of each new seed is the noise.
    void firstBytesOfTheStream()
    {
        NoiseGenerator generator;
        QCOMPARE(generator.next(), 0x00); // seed 1
        QCOMPARE(generator.seed(), 1u);
        QCOMPARE(generator.next(), 0x08); // seed 0x08088406
        QCOMPARE(generator.seed(), 0x08088406u);
        // Next seed from 64-bit arithmetic kept apart from the generator's own.
        const std::uint64_t third = (std::uint64_t {0x08088406u} * 134775813u + 1u) & 0xFFFFFFFFu;
        QCOMPARE(generator.next(), static_cast<std::uint8_t>(third >> 24));
        QCOMPARE(generator.seed(), static_cast<std::uint32_t>(third));
    }

    void pixelsEqualSerialDefinition_data()
    {
        QTest::addColumn<int>("warmUp"); // bytes
        QTest::addColumn<int>("count"); // pixels
        QTest::newRow("one noise frame") << 0 << 567 * 528;
        QTest::newRow("one row") << 0 << 567;
        QTest::newRow("one pixel") << 0 << 1;
        QTest::newRow("after odd warm-up") << 13 << 333;
        QTest::newRow("nothing") << 3 << 0;
    }
    void pixelsEqualSerialDefinition()
    {
        QFETCH(int, warmUp);
        QFETCH(int, count);
        // The serial definition, in 64-bit arithmetic of its own.
        std::uint64_t seed = 0;
        const auto serialByte = [&seed] {
            seed = (seed * 134775813u + 1u) & 0xFFFFFFFFu;
            return static_cast<std::uint32_t>(seed >> 24);
        };
        NoiseGenerator generator;
        for (int i = 0; i < warmUp; ++i)
            QCOMPARE(std::uint32_t(generator.next()), serialByte());
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(count) + 1, 0xABABABABu);
        generator.fillPixels(pixels.data(), static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            const std::uint32_t red = serialByte();
            const std::uint32_t green = serialByte();
            const std::uint32_t expected = 0xff000000u | red << 16 | green << 8 | serialByte();
            if (pixels[static_cast<std::size_t>(i)] != expected)
                QFAIL(qPrintable(QStringLiteral("pixel %1 differs").arg(i)));
        }
        QCOMPARE(pixels.back(), 0xABABABABu); // nothing written past the end
        QCOMPARE(generator.seed(), static_cast<std::uint32_t>(seed)); // the stream runs on
        QCOMPARE(std::uint32_t(generator.next()), serialByte());
    }

    void aJumpLandsWhereTheStepsDo_data()
    {
        QTest::addColumn<quint64>("steps");
        QTest::newRow("none") << quint64(0);
        QTest::newRow("one") << quint64(1);
        QTest::newRow("a few dozen") << quint64(33);
        QTest::newRow("two frames and a bit") << quint64(2 * 567 * 528 * 3 + 5);
    }
    void aJumpLandsWhereTheStepsDo()
    {
        QFETCH(quint64, steps);
        NoiseGenerator stepped(0x12345678u);
        for (quint64 i = 0; i < steps; ++i)
            stepped.next();
        QCOMPARE(NoiseGenerator::advanced(0x12345678u, steps), stepped.seed());
    }

    // Frames of a small picture, only two parts of it visible: those get exactly the bytes the
    // serial stream gives them in that frame; the hidden pixels are never written.
    void aFrameFillsTheVisiblePixelsOnly()
    {
        const QSize size(7, 5);
        QRegion visible(QRect(0, 0, 7, 1));
        visible += QRect(2, 2, 3, 2);
        const NoiseFrames frames(size, visible);
        QCOMPARE(frames.visiblePixels(), 13);
        NoiseGenerator reference;
        for (int frame = 1; frame <= 4; ++frame) {
            QImage picture(size, QImage::Format_RGB32);
            picture.fill(Qt::black);
            frames.paint(static_cast<std::uint64_t>(frame), picture);
            for (int y = 0; y < size.height(); ++y) {
                for (int x = 0; x < size.width(); ++x) {
                    for (int channel = 0; channel < 3; ++channel) {
                        const std::uint8_t streamByte = reference.next();
                        const bool shown = visible.contains(QPoint(x, y));
                        const QRgb pixel = picture.pixel(x, y);
                        const int shownByte = channel == 0 ? qRed(pixel) : channel == 1 ? qGreen(pixel) : qBlue(pixel);
                        QCOMPARE(shownByte, shown ? int(streamByte) : 0);
                    }
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestNoise)
#include "tst_noise.moc"
