// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/EffectImage.h"

#include <QTest>
#include <algorithm>

class TestEffectImage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsOnPageOneAllZero()
    {
        const EffectImage image;
        QCOMPARE(image.currentPage(), 1);
        for (int page = 1; page <= EffectImage::PageCount; ++page)
            QCOMPARE(image.page(page), EffectImage::Page {});
    }

    void fillAllPagesOffAndSlotEntriesTouchWhatTheyName()
    {
        EffectImage image;
        image.fillAllPagesOff();
        EffectImage::Page off;
        off.fill(EffectImage::Off);
        for (int page = 1; page <= EffectImage::PageCount; ++page)
            QCOMPARE(image.page(page), off);
        image.setSlotEntry(64, 255, EffectImage::On);
        QCOMPARE(image.page(64)[255], EffectImage::On);
        QCOMPARE(image.page(63), off); // the neighbouring page keeps its states
        QCOMPARE(std::count(image.page(64).begin(), image.page(64).end(), EffectImage::On), 1);
    }
};

QTEST_GUILESS_MAIN(TestEffectImage)
#include "tst_effectimage.moc"
