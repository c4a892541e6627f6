// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
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

    void fillEqualsSerialDefinition_data()
    {
        QTest::addColumn<int>("warmUp");
        QTest::addColumn<int>("count");
        QTest::newRow("one noise frame") << 0 << 567 * 528 * 3;
        QTest::newRow("one row") << 0 << 567 * 3;
        QTest::newRow("shorter than the lanes") << 0 << 5;
        QTest::newRow("after odd warm-up") << 13 << 1000;
        QTest::newRow("exact lane multiple") << 2 << 256;
        QTest::newRow("nothing") << 3 << 0;
    }
    void fillEqualsSerialDefinition()
    {
        QFETCH(int, warmUp);
        QFETCH(int, count);
        // The serial definition, in 64-bit arithmetic of its own.
        std::uint64_t seed = 0;
        const auto serialByte = [&seed] {
            seed = (seed * 134775813u + 1u) & 0xFFFFFFFFu;
            return static_cast<std::uint8_t>(seed >> 24);
        };
        NoiseGenerator generator;
        for (int i = 0; i < warmUp; ++i)
            QCOMPARE(generator.next(), serialByte());
        std::vector<std::uint8_t> fast(static_cast<std::size_t>(count) + 1, 0xAB);
        generator.fill(fast.data(), static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            const std::uint8_t expected = serialByte();
            if (fast[static_cast<std::size_t>(i)] != expected)
                QFAIL(qPrintable(QStringLiteral("byte %1 differs").arg(i)));
        }
        QCOMPARE(fast.back(), 0xAB); // nothing written past the end
        QCOMPARE(generator.seed(), static_cast<std::uint32_t>(seed)); // the stream runs on
        QCOMPARE(generator.next(), serialByte());
    }
};

QTEST_GUILESS_MAIN(TestNoise)
#include "tst_noise.moc"
