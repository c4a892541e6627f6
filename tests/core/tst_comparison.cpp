// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "compare/ImageComparison.h"
#include "effect/ImageFile.h"
#include "tests/TestFiles.h"

#include <QTemporaryDir>
#include <QTest>

// Two images read from files as the loader reads them, compared.
class TestComparison : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    ImageComparison compare(const QString &name, const QByteArray &bytes, const QString &referenceName,
        const QByteArray &referenceBytes)
    {
        EffectImage image;
        EffectImage reference;
        ImageFile::load(TestFiles::writeAll(m_dir.filePath(name), bytes), image);
        ImageFile::load(TestFiles::writeAll(m_dir.filePath(QStringLiteral("ref-") + referenceName), referenceBytes),
            reference);
        return ImageComparison::of(image, reference);
    }
    // An erased image (every LED off) with byte `at` set to `value`.
    static QByteArray erasedWith(int size, int at = -1, char value = '\xFF')
    {
        QByteArray bytes(size, '\xFF');
        if (at >= 0)
            bytes[at] = value;
        return bytes;
    }

private Q_SLOTS:
    void differences_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("referenceName");
        QTest::addColumn<QByteArray>("referenceBytes");
        QTest::addColumn<QStringList>("report");
        // Page 3, row 2: bytes 2 * 32 + 1 * 2 = 66 (left half) and 67 (right half) of a 16-bit
        // image, byte 2 * 16 + 1 = 33 of an 8-bit one; bit 0 is the leftmost LED of its half, so
        // the left half's is column 16 on the strips and the right half's column 8.
        QTest::newRow("the same") << "a.bin" << erasedWith(2048) << "b.bin" << erasedWith(2048) << QStringList();
        QTest::newRow("one LED") << "a.bin" << erasedWith(2048, 66, '\xFE') << "b.bin" << erasedWith(2048)
                                 << QStringList {"page 3 row 2: columns 16"};
        QTest::newRow("a short file reads as erased") << "a.bin" << erasedWith(100) << "b.bin" << erasedWith(2048)
                                                      << QStringList();
        QTest::newRow("16-bit against 8-bit: a lit right half differs")
            << "a.bin" << erasedWith(2048, 67, '\xFE') << "b.bin8" << erasedWith(1024) << QStringList {"page 3 row 2: columns 8"};
        QTest::newRow("16-bit against 8-bit: what both hold is the same")
            << "a.bin16" << erasedWith(2048, 66, '\x00') << "b.bin8" << erasedWith(1024, 33, '\x00') << QStringList();
        QTest::newRow("8-bit against 16-bit") << "a.bin8" << erasedWith(1024, 33, '\xF0') << "b.bin"
                                              << erasedWith(2048) << QStringList {"page 3 row 2: columns 13 14 15 16"};
        QTest::newRow("8-bit against 8-bit") << "a.bin8" << erasedWith(1024) << "b.bin8" << erasedWith(1024, 0, '\xFE')
                                             << QStringList {"page 1 row 1: columns 16"};
    }
    void differences()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, referenceName);
        QFETCH(QByteArray, referenceBytes);
        QFETCH(QStringList, report);
        const ImageComparison comparison = compare(name, bytes, referenceName, referenceBytes);
        QCOMPARE(comparison.rowReport(), report);
        QCOMPARE(comparison.isSame(), report.isEmpty());
        int listed = 0; // the columns the report names, one LED each
        for (const QString &line : report)
            listed += static_cast<int>(line.section(QLatin1Char(':'), 1).split(QLatin1Char(' '), Qt::SkipEmptyParts).size()) - 1;
        QCOMPARE(comparison.differingLeds(), listed);
        QCOMPARE(comparison.summary(QStringLiteral("b")),
            report.isEmpty() ? QStringLiteral("Same as b")
                : listed == 1    ? QStringLiteral("1 page differs, 1 LED")
                                 : QStringLiteral("1 page differs, %1 LEDs").arg(listed));
    }

    // Next Difference walks the differing pages either way, round the end.
    void theNextDifferingPageWraps()
    {
        QByteArray bytes = erasedWith(2048);
        bytes[5 * 32] = '\x7F'; // page 6
        bytes[40 * 32] = '\x7F'; // page 41
        const ImageComparison comparison = compare(QStringLiteral("w.bin"), bytes, QStringLiteral("w.bin"), erasedWith(2048));
        QCOMPARE(comparison.differingPages(), 2);
        QCOMPARE(comparison.nextDifferingPage(6, true), 41);
        QCOMPARE(comparison.nextDifferingPage(41, true), 6);
        QCOMPARE(comparison.nextDifferingPage(6, false), 41);
        QCOMPARE(comparison.nextDifferingPage(50, false), 41);
        QCOMPARE(ImageComparison().nextDifferingPage(1, true), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestComparison)
#include "tst_comparison.moc"
