// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/EffectImage.h"

#include <QTest>

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

    void fillAllPagesOffTouchesOnlySlots()
    {
        EffectImage image;
        image.setWorkingEntry(5, EffectImage::On);
        image.fillAllPagesOff();
        EffectImage::Page off;
        off.fill(EffectImage::Off);
        for (int page = 1; page <= EffectImage::PageCount; ++page)
            QCOMPARE(image.page(page), off);
        QCOMPARE(image.workingEntry(5), EffectImage::On);
        image.clearWorkingPage();
        QCOMPARE(image.workingPage(), off);
    }

    void storeBackThenLoadGivesSameStates()
    {
        EffectImage image;
        image.fillAllPagesOff();
        image.setCurrentPage(3);
        image.loadWorkingPage();
        for (int i = 0; i < EffectImage::LedsPerPage; i += 7)
            image.setWorkingEntry(i, EffectImage::On);
        const EffectImage::Page edited = image.workingPage();
        image.storeBack();
        QCOMPARE(image.page(3), edited);
        QVERIFY(image.page(2) != edited); // only the current slot took it

        image.setCurrentPage(4);
        image.loadWorkingPage();
        QVERIFY(image.workingPage() != edited);
        image.setCurrentPage(3);
        image.loadWorkingPage();
        QCOMPARE(image.workingPage(), edited);
    }

    void slotEntriesLeaveWorkingPageAlone()
    {
        EffectImage image;
        image.clearWorkingPage();
        image.setSlotEntry(64, 255, EffectImage::On);
        QCOMPARE(image.page(64)[255], EffectImage::On);
        QCOMPARE(image.workingEntry(255), EffectImage::Off);
    }
};

QTEST_GUILESS_MAIN(TestEffectImage)
#include "tst_effectimage.moc"
