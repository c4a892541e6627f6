// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chip/ChipJob.h"
#include "common/AppError.h"

#include <QSignalSpy>
#include <QTest>
#include <new>
#include <semaphore>

// Chip work off the user-interface thread: every end reaches the window as its own job's, with
// whatever the work threw, and a stop the user asked for is told apart from a failure.
class TestChipJob : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyEndIsReported_data()
    {
        QTest::addColumn<int>("thrown"); // 0 nothing, 1 AppError, 2 bad_alloc, 3 an int
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<QString>("error");
        QTest::newRow("done") << 0 << false << "";
        QTest::newRow("a reason") << 1 << false << "The chip went away.";
        QTest::newRow("out of memory: the program lives on") << 2 << false << "The chip work failed: std::bad_alloc";
        QTest::newRow("anything else") << 3 << false << "The chip work failed.";
        QTest::newRow("stopped by the user") << 1 << true << "The chip went away.";
    }
    void everyEndIsReported()
    {
        QFETCH(int, thrown);
        QFETCH(bool, cancelled);
        QFETCH(QString, error);
        ChipJob job;
        QSignalSpy ends(&job, &ChipJob::finished);
        std::binary_semaphore go(0);
        job.start([&go, thrown](const ChipTransfer::ProgressHandler &, const std::atomic_bool &) {
            go.acquire();
            if (thrown == 1)
                throw AppError(QStringLiteral("The chip went away."));
            if (thrown == 2)
                throw std::bad_alloc();
            if (thrown == 3)
                throw 3;
        });
        if (cancelled)
            job.cancel();
        go.release();
        QTRY_COMPARE(ends.size(), 1);
        QCOMPARE(ends.at(0).at(0).toString(), error);
        QCOMPARE(ends.at(0).at(1).toBool(), cancelled);
        QVERIFY(!job.isRunning());
    }

    // An end delivered by a wait, then a new job: the old end arriving late is not the new one's.
    void aLateEndNeverEndsANewerJob()
    {
        ChipJob job;
        QSignalSpy ends(&job, &ChipJob::finished);
        job.start([](const ChipTransfer::ProgressHandler &, const std::atomic_bool &) {});
        job.waitForFinished();
        QCOMPARE(ends.size(), 1);
        std::binary_semaphore go(0);
        job.start([&go](const ChipTransfer::ProgressHandler &, const std::atomic_bool &) { go.acquire(); });
        QTest::qWait(100); // the first job's own end comes through the event loop meanwhile
        QVERIFY(job.isRunning());
        QCOMPARE(ends.size(), 1);
        go.release();
        QTRY_COMPARE(ends.size(), 2);
        QVERIFY(!job.isRunning());
    }
};

QTEST_GUILESS_MAIN(TestChipJob)
#include "tst_chipjob.moc"
