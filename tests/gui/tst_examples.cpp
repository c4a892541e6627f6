// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/EffectImage.h"
#include "effect/ImageFile.h"
#include "tests/TestFiles.h"
#include "tools/ExampleEffects.h"

#include <QTest>

// The committed examples are what the generator makes today, byte for byte: a change to the
// generator shows here until the files are made again and committed with it.
class TestExamples : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void committedFilesMatchTheGenerator_data()
    {
        QTest::addColumn<int>("index");
        const QList<ExampleEffects::Example> examples = ExampleEffects::all();
        for (int i = 0; i < examples.size(); ++i)
            QTest::newRow(qPrintable(examples[i].fileName)) << i;
    }
    void committedFilesMatchTheGenerator()
    {
        QFETCH(int, index);
        const ExampleEffects::Example example = ExampleEffects::all().at(index);
        const QByteArray made = ExampleEffects::make(example);
        QCOMPARE(made.size(), ImageDecoder::byteCount(example.layout));
        const QString path = QStringLiteral(EXAMPLES_DIR "/") + example.fileName;
        QCOMPARE(TestFiles::readAll(path), made);
        // Read as the program reads it: every page has something lit.
        EffectImage image;
        QCOMPARE(ImageFile::load(path, image), example.layout);
        for (int page = 1; page <= EffectImage::PageCount; ++page)
            QVERIFY2(std::count(image.page(page).begin(), image.page(page).end(), EffectImage::On) > 0,
                qPrintable(QStringLiteral("page %1 is dark").arg(page)));
    }

    void thereAreBothLayouts()
    {
        const QList<ExampleEffects::Example> examples = ExampleEffects::all();
        QVERIFY(std::any_of(examples.begin(), examples.end(),
            [](const ExampleEffects::Example &e) { return e.layout == ImageLayout::Bits8; }));
        QVERIFY(std::any_of(examples.begin(), examples.end(),
            [](const ExampleEffects::Example &e) { return e.layout == ImageLayout::Bits16; }));
    }
};

QTEST_MAIN(TestExamples)
#include "tst_examples.moc"
