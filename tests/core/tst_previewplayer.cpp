// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/EffectImage.h"
#include "effect/PreviewController.h"
#include "effect/PreviewPlayer.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestPreviewPlayer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsRunOneToFifteenThenZero()
    {
        EffectImage image;
        PreviewPlayer player(image);
        QCOMPARE(player.row(), 0);
        for (int expected : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0, 1}) {
            player.step(PreviewPlayer::Mode::SinglePage);
            QCOMPARE(player.row(), expected);
        }
    }

    void pageMovesOnOnlyAfterTheLastRowOfAllPages_data()
    {
        QTest::addColumn<bool>("allPages");
        QTest::addColumn<int>("startPage");
        QTest::addColumn<int>("pageAfterWrap");
        QTest::newRow("single page stays") << false << 7 << 7;
        QTest::newRow("all pages: next") << true << 7 << 8;
        QTest::newRow("all pages: 64 wraps to 1") << true << 64 << 1;
    }
    void pageMovesOnOnlyAfterTheLastRowOfAllPages()
    {
        QFETCH(bool, allPages);
        QFETCH(int, startPage);
        QFETCH(int, pageAfterWrap);
        const auto mode = allPages ? PreviewPlayer::Mode::AllPages : PreviewPlayer::Mode::SinglePage;
        EffectImage image;
        image.setCurrentPage(static_cast<std::uint16_t>(startPage));
        PreviewPlayer player(image);
        for (int tick = 1; tick < 16; ++tick)
            QCOMPARE(player.step(mode), std::nullopt);
        QCOMPARE(player.step(mode).value_or(startPage), pageAfterWrap);
        QCOMPARE(player.row(), 0);
    }

    void rowStatesComeFromTheShownPage()
    {
        EffectImage image;
        image.fillAllPagesOff();
        image.setCurrentPage(5);
        image.setSlotEntry(5, 16 * 2 + 0, EffectImage::On); // row 2, leftmost
        image.setSlotEntry(5, 16 * 2 + 15, EffectImage::On); // row 2, rightmost
        image.setSlotEntry(5, 16 * 3 + 4, EffectImage::On); // row 3 must not show
        image.setSlotEntry(4, 16 * 2 + 4, EffectImage::On); // nor another page
        PreviewPlayer player(image);
        player.step(PreviewPlayer::Mode::SinglePage);
        player.step(PreviewPlayer::Mode::SinglePage);
        const std::array<std::uint8_t, 16> row = player.rowStates();
        for (int column = 0; column < 16; ++column) {
            const bool lit = column == 0 || column == 15;
            QCOMPARE(row[static_cast<std::size_t>(column)], lit ? EffectImage::On : EffectImage::Off);
        }
    }

    void rewindStartsOver()
    {
        EffectImage image;
        PreviewPlayer player(image);
        for (int tick = 0; tick < 5; ++tick)
            player.step(PreviewPlayer::Mode::AllPages);
        player.rewind();
        QCOMPARE(player.row(), 0);
        player.step(PreviewPlayer::Mode::AllPages);
        QCOMPARE(player.row(), 1);
    }

    // The clock around the player, as the window drives it.
    void ticksPlayRowsAndTurnPages()
    {
        EffectImage image;
        image.setCurrentPage(64);
        PreviewController preview(image);
        QSignalSpy rows(&preview, &PreviewController::rowChanged);
        QSignalSpy pages(&preview, &PreviewController::pageTurned);
        QCOMPARE(preview.timer()->interval(), PreviewController::DesignInterval);
        preview.setRunning(true);
        QVERIFY(preview.isRunning());
        preview.setMode(PreviewPlayer::Mode::AllPages);
        for (int tick = 0; tick < 16; ++tick)
            preview.tick();
        QCOMPARE(rows.size(), 16);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages.at(0).at(0).toInt(), 1); // 64 wraps to 1
        preview.tick();
        QCOMPARE(preview.row(), 1);
        preview.setRunning(false); // stopped: the next start begins at row 1 again
        QVERIFY(!preview.isRunning());
        QCOMPARE(preview.row(), 0);
    }

    // The same rate leaves the period running; a page changed by hand starts a fresh one.
    void thePeriodRestartsOnlyWhenItShould()
    {
        EffectImage image;
        PreviewController preview(image);
        preview.setRowsPerSecond(1);
        QCOMPARE(preview.timer()->interval(), 1000);
        preview.setRunning(true);
        QTest::qWait(300);
        preview.setRowsPerSecond(1);
        QVERIFY2(
            preview.timer()->remainingTime() <= 800, qPrintable(QString::number(preview.timer()->remainingTime())));
        preview.restartPeriod();
        QVERIFY(preview.timer()->remainingTime() > 800);
        preview.setRowsPerSecond(20);
        QCOMPARE(preview.timer()->interval(), 50);
    }
};

QTEST_GUILESS_MAIN(TestPreviewPlayer)
#include "tst_previewplayer.moc"
