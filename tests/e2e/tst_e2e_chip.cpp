// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "X11Driver.h"
#include "tests/TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QTest>
#include <csignal>

// The chip from the window, as a user does it: Chip › Choose Chip… names a simulated chip,
// Chip › Write To Chip… reads it and asks, nothing is written before Write, then the chip holds
// the example, a backup holds what it held, and the command line verifies it.
class TestE2EChip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aWriteFromTheWindowIsVerifiedFromTheCommandLine()
    {
        X11Driver driver;
        const QString example = QStringLiteral(SOURCE_DIR "/examples/scanner.bin");
        const QString chip = driver.programDir() + QStringLiteral("/chip.bin");
        const QString data = driver.programDir() + QStringLiteral("/data");
        driver.setEnvironment(QStringLiteral("XDG_DATA_HOME"), data);
        QVERIFY(driver.start({example}));

        X11Driver::keys(driver.mainWindow(), QStringLiteral("alt+c h"));
        const qulonglong chooser = X11Driver::waitForWindow(QStringLiteral("Choose Chip"));
        QVERIFY2(chooser, "no Choose Chip dialog");
        X11Driver::keys(chooser, QStringLiteral("ctrl+a"));
        X11Driver::type(chooser, QStringLiteral("sim:") + chip);
        X11Driver::keys(chooser, QStringLiteral("Return"));
        QVERIFY(X11Driver::waitForWindowGone(chooser));

        X11Driver::keys(driver.mainWindow(), QStringLiteral("alt+c w"));
        const qulonglong question = X11Driver::waitForWindow(QStringLiteral("Glimmerview"));
        QVERIFY2(question, "no question before the write");
        // Read and asked about, not yet written: the new chip is erased and nothing is backed up.
        QCOMPARE(TestFiles::readAll(chip), QByteArray(2048, '\xFF'));
        QVERIFY(!QDir(data + QStringLiteral("/Glimmerview/backups")).exists());
        X11Driver::keys(question, QStringLiteral("alt+w"));
        QTRY_COMPARE_WITH_TIMEOUT(TestFiles::readAll(chip), TestFiles::readAll(example), 10000);
        const QStringList backups = QDir(data + QStringLiteral("/Glimmerview/backups")).entryList(QDir::Files);
        QCOMPARE(backups.size(), 1);
        QCOMPARE(TestFiles::readAll(data + QStringLiteral("/Glimmerview/backups/") + backups.constFirst()),
            QByteArray(2048, '\xFF'));

        QProcess verify;
        verify.start(QStringLiteral(GLIMMERVIEW_BINARY),
            {QStringLiteral("--chip"), QStringLiteral("sim:") + chip, QStringLiteral("--verify"), example});
        QVERIFY(verify.waitForFinished(10000));
        QCOMPARE(verify.exitCode(), 0);
        QCOMPARE(verify.readAllStandardOutput(), QByteArray("The chip holds this image.\n"));
        // The result box may still be up: a logout's signal ends the program all the same.
        ::kill(static_cast<pid_t>(driver.process().processId()), SIGTERM);
        QVERIFY(driver.waitForExit());
    }
};

QTEST_MAIN(TestE2EChip)
#include "tst_e2e_chip.moc"
