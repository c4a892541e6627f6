// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The real program's command line, run without any display: a window it tried to open would
// end it with an error of the window system instead of the answers below.
class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QString>("language");
        QTest::newRow("--help") << QStringList {"--help"} << 0 << "Usage: "
                                << "" << QString();
        QTest::newRow("-h") << QStringList {"-h"} << 0 << "[FILE]"
                            << "" << QString();
        QTest::newRow("--version") << QStringList {"--version"} << 0 << "Glimmerview 1.0\n"
                                   << "" << QString();
        QTest::newRow("unknown option: usage on stderr") << QStringList {"--frobnicate"} << 1 << ""
                                                         << "Unknown option 'frobnicate'." << QString();
        QTest::newRow("two files") << QStringList {"a.bin", "b.bin"} << 1 << ""
                                   << "Usage: " << QString();
        // Qt's own words and ours, in German.
        QTest::newRow("--help in German") << QStringList {"--help"} << 0 << "Aufruf: "
                                          << "" << "de_DE.UTF-8";
        QTest::newRow("--help in German: our description") << QStringList {"--help"} << 0 << "Den Lichteffekt eines 16-Kbit"
                                                 << "" << "de_DE.UTF-8";
    }
    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QString, language);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        if (!language.isEmpty())
            environment.insert(QStringLiteral("LANG"), language);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(GLIMMERVIEW_BINARY), arguments);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        const QString stdOut = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString stdErr = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(stdOut.contains(out), qPrintable(stdOut));
        QVERIFY2(stdErr.contains(err), qPrintable(stdErr));
        if (status != 0)
            QVERIFY2(stdErr.contains(QStringLiteral("Usage: ")) && stdOut.isEmpty(), qPrintable(stdErr));
    }

    // --compare as a script runs it: no display, the report on stdout, the answer in the status.
    void compareAnswersWithItsStatus_data()
    {
        QTest::addColumn<QByteArray>("changedByte"); // at byte 66 of A: empty for no change
        QTest::addColumn<bool>("referenceExists");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("the same: 0") << QByteArray() << true << 0 << "Same as b.bin\n"
                                     << "";
        QTest::newRow("they differ: 1") << QByteArray("\xFE") << true << 1
                                        << "page 3 row 2: columns 16\n1 pages differ, 1 LEDs\n"
                                        << "";
        QTest::newRow("B cannot be read: 2") << QByteArray() << false << 2 << ""
                                             << "Cannot open file";
    }
    void compareAnswersWithItsStatus()
    {
        QFETCH(QByteArray, changedByte);
        QFETCH(bool, referenceExists);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir dir;
        QByteArray a(2048, '\xFF');
        if (!changedByte.isEmpty())
            a[66] = changedByte[0];
        writeFile(dir.filePath(QStringLiteral("a.bin")), a);
        if (referenceExists)
            writeFile(dir.filePath(QStringLiteral("b.bin")), QByteArray(2048, '\xFF'));
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(dir.path());
        program.start(QStringLiteral(GLIMMERVIEW_BINARY), {QStringLiteral("--compare"), QStringLiteral("a.bin"), QStringLiteral("b.bin")});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), status);
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardOutput()), out);
        const QString stdErr = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(stdErr.contains(err), qPrintable(stdErr));
    }

private:
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
