// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/AppError.h"
#include "station/Station.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QTemporaryDir>
#include <QTest>

// The station on simulated sockets: chips put in and taken out, a failing chip among good ones,
// every chip one whole line of the log; and the log's lines as a spreadsheet reads them.
class TestStation : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QByteArray m_image = [] {
        QByteArray bytes(2048, '\xFF');
        for (int at = 0; at < bytes.size(); at += 7)
            bytes[at] = static_cast<char>(at);
        return bytes;
    }();

    QString socket(int n) const { return m_folder.filePath(QStringLiteral("socket%1").arg(n)); }
    // A chip put in whole at once, as a socket is closed on it.
    void putIn(int n, const QByteArray &bytes) const
    {
        QFile chip(socket(n) + QStringLiteral(".new"));
        QVERIFY(chip.open(QIODevice::WriteOnly));
        chip.write(bytes);
        chip.close();
        QVERIFY(QFile::rename(chip.fileName(), socket(n)));
    }
    static QList<QByteArray> fields(const QByteArray &line)
    {
        QList<QByteArray> parts; // commas outside quotes only
        QByteArray part;
        bool quoted = false;
        for (const char c : line) {
            if (c == '"')
                quoted = !quoted;
            if (c == ',' && !quoted) {
                parts << part;
                part.clear();
            } else {
                part += c;
            }
        }
        return parts << part;
    }

private Q_SLOTS:
    void init()
    {
        for (int n = 1; n <= 2; ++n)
            QFile::remove(socket(n));
        QFile::remove(m_folder.filePath(QStringLiteral("log.csv")));
    }

    // Two lanes, four chips: one that holds the image already, an erased one, the wrong part,
    // and another erased one put in after the first is taken out.
    void chipsGoInAndOut()
    {
        const QString logPath = m_folder.filePath(QStringLiteral("log.csv"));
        ProductionLog log(logPath);
        QMutex seen;
        QList<Station::Result> results;
        std::array<Station::State, 3> states {};
        Station station(
            {{QStringLiteral("sim:") + socket(1), QStringLiteral("sim:") + socket(2)}, m_image,
                QStringLiteral("effect.bin"), m_folder.filePath(QStringLiteral("data")), 4,
                std::chrono::milliseconds(5)},
            log,
            [&](const Station::Result &result) {
                const QMutexLocker locked(&seen);
                results << result;
            },
            [&](int lane, Station::State state, const QString &) {
                const QMutexLocker locked(&seen);
                states[static_cast<std::size_t>(lane)] = state;
            });
        // Taken out: the lane waits for a chip again once it saw the socket empty.
        const auto takeOut = [&](int n) {
            QFile::remove(socket(n));
            QTRY_VERIFY_WITH_TIMEOUT(
                [&] {
                    const QMutexLocker locked(&seen);
                    return states[static_cast<std::size_t>(n)] == Station::State::Waiting;
                }(),
                10000);
        };
        const auto resultsSoFar = [&] {
            const QMutexLocker locked(&seen);
            return results.size();
        };
        station.start();
        putIn(1, m_image);
        QTRY_COMPARE_WITH_TIMEOUT(resultsSoFar(), 1, 10000);
        putIn(2, QByteArray(2048, '\xFF'));
        QTRY_COMPARE_WITH_TIMEOUT(resultsSoFar(), 2, 10000);
        takeOut(1); // then the wrong part
        putIn(1, QByteArray(1024, '\xFF'));
        QTRY_COMPARE_WITH_TIMEOUT(resultsSoFar(), 3, 10000);
        takeOut(2); // the next chip starts the lane by itself
        putIn(2, QByteArray(2048, '\xFF'));
        QTRY_COMPARE_WITH_TIMEOUT(resultsSoFar(), 4, 10000);
        station.wait(); // the count is reached: every lane ends
        QCOMPARE(station.passed(), 3);
        QCOMPARE(station.failed(), 1);
        QCOMPARE(results.at(0).entry.chipPagesWritten, 0);
        QCOMPARE(results.at(1).entry.chipPagesWritten, 128);
        QVERIFY(!results.at(2).passed);
        QVERIFY2(results.at(2).reason.contains(QLatin1String("holds 1024 bytes")), qPrintable(results.at(2).reason));
        QFile written(socket(2));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), m_image);

        QFile record(logPath);
        QVERIFY(record.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = record.readAll().split('\n');
        QCOMPARE(lines.size(), 6); // the columns, four chips, and the end of the last line
        QCOMPARE(lines.at(0) + '\n', ProductionLog::header());
        QCOMPARE(lines.at(5), QByteArray());
        for (int n = 1; n <= 4; ++n) {
            const QList<QByteArray> values = fields(lines.at(n));
            QCOMPARE(values.size(), 12);
            QCOMPARE(values.at(5), Station::sha256(m_image).toLatin1());
            QCOMPARE(values.at(6), QByteArray(n == 3 ? "FAIL" : "PASS"));
            QCOMPARE(QFile::exists(QString::fromUtf8(values.at(10))), n == 2 || n == 4); // backups of the written
        }
    }

    // The log is only added to: a second station's lines follow the first's, under one header.
    void theLogIsOnlyAppendedTo()
    {
        const QString logPath = m_folder.filePath(QStringLiteral("log.csv"));
        ProductionLog::Entry entry;
        entry.result = QStringLiteral("PASS");
        ProductionLog(logPath).append(entry);
        QFile cut(logPath);
        QVERIFY(cut.open(QIODevice::Append));
        cut.write("2026-12-09T10:00:00.000Z,roo"); // a line the disk had no room for
        cut.close();
        ProductionLog(logPath).append(entry);
        QFile record(logPath);
        QVERIFY(record.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = record.readAll().split('\n');
        QCOMPARE(lines.size(), 5); // the columns, a line, the cut one, a line, and the end
        QCOMPARE(lines.at(0).count("utc_time"), 1);
        QCOMPARE(lines.at(1), lines.at(3));
        QVERIFY_THROWS_EXCEPTION(AppError, ProductionLog(m_folder.path())); // a folder is no log
    }

    void fieldsAsASpreadsheetReadsThem_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("plain") << "No chip answers" << QByteArray("No chip answers");
        QTest::newRow("a comma") << "at 0x50, on i2c-1" << QByteArray("\"at 0x50, on i2c-1\"");
        QTest::newRow("quotes") << "\"x\" is no chip" << QByteArray("\"\"\"x\"\" is no chip\"");
        QTest::newRow("a formula") << "=HYPERLINK(1)" << QByteArray("\"'=HYPERLINK(1)\"");
        QTest::newRow("two lines") << "one\ntwo" << QByteArray("\"one\ntwo\"");
    }
    void fieldsAsASpreadsheetReadsThem()
    {
        QFETCH(QString, reason);
        QFETCH(QByteArray, field);
        ProductionLog::Entry entry;
        entry.reason = reason;
        QVERIFY(ProductionLog::line(entry).endsWith("," + field + "\n"));
    }
};

QTEST_GUILESS_MAIN(TestStation)
#include "tst_station.moc"
