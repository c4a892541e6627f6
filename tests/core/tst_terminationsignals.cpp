// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/TerminationSignals.h"

#include <QSignalSpy>
#include <QTest>
#include <csignal>

class TestTerminationSignals : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void signalsArriveInTheEventLoop_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
    }
    void signalsArriveInTheEventLoop()
    {
        QFETCH(int, signalNumber);
        TerminationSignals signals;
        QVERIFY(signals.isWatching());
        QSignalSpy spy(&signals, &TerminationSignals::terminationRequested);
        QCOMPARE(::raise(signalNumber), 0); // the process lives on
        QCOMPARE(spy.count(), 0); // nothing is done inside the handler
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), signalNumber);
    }
};

QTEST_GUILESS_MAIN(TestTerminationSignals)
#include "tst_terminationsignals.moc"
