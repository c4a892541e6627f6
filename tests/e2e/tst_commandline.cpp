// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include <QDir>
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
                                          << ""
                                          << "de_DE.UTF-8";
        QTest::newRow("--help in German: our description")
            << QStringList {"--help"} << 0 << "Den Lichteffekt eines 16-Kbit"
            << ""
            << "de_DE.UTF-8";
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
        program.start(QStringLiteral(GLIMMERVIEW_BINARY),
            {QStringLiteral("--compare"), QStringLiteral("a.bin"), QStringLiteral("b.bin")});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), status);
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardOutput()), out);
        const QString stdErr = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(stdErr.contains(err), qPrintable(stdErr));
    }

    // The chip from a script: write an image into a simulated chip, verify it, read it back; each
    // step's answer in its status, every mistake a 2.
    void theChipAnswersWithItsStatus()
    {
        QTemporaryDir dir;
        QByteArray image(2048, '\xFF');
        image[66] = '\xFE';
        writeFile(dir.filePath(QStringLiteral("a.bin")), image);
        writeFile(dir.filePath(QStringLiteral("blank.bin")), QByteArray(2048, '\xFF'));
        writeFile(dir.filePath(QStringLiteral("short.bin8")), QByteArray(1024, '\0'));
        const auto run = [&](const QStringList &arguments, QString *out = nullptr, QString *err = nullptr) {
            QProcess program;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.remove(QStringLiteral("DISPLAY"));
            environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
            program.setProcessEnvironment(environment);
            program.setWorkingDirectory(dir.path());
            program.start(QStringLiteral(GLIMMERVIEW_BINARY), arguments);
            program.waitForFinished(20000);
            if (out)
                *out = QString::fromLocal8Bit(program.readAllStandardOutput());
            if (err)
                *err = QString::fromLocal8Bit(program.readAllStandardError());
            return program.exitCode();
        };
        const QString chip = QStringLiteral("sim:chip");
        QString out;
        QString err;
        QCOMPARE(run({QStringLiteral("--chip"), chip, QStringLiteral("--write"), QStringLiteral("a.bin")}, &out), 0);
        QCOMPARE(out, QStringLiteral("The chip holds this image.\n"));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("data/Glimmerview/backups"))).entryList(QDir::Files).size(), 1);
        QCOMPARE(run({QStringLiteral("--chip"), chip, QStringLiteral("--verify"), QStringLiteral("a.bin")}), 0);
        QCOMPARE(
            run({QStringLiteral("--chip"), chip, QStringLiteral("--verify"), QStringLiteral("blank.bin")}, &out), 1);
        QCOMPARE(out, QStringLiteral("page 3 row 2: columns 16\n1 pages differ, 1 LEDs\n"));
        QCOMPARE(run({QStringLiteral("--chip"), chip, QStringLiteral("--read"), QStringLiteral("back.bin")}), 0);
        QCOMPARE(readAll(dir.filePath(QStringLiteral("back.bin"))), image);
        // Mistakes: an image of another size, no chip of that name, no action.
        QCOMPARE(run({QStringLiteral("--chip"), chip, QStringLiteral("--write"), QStringLiteral("short.bin8")}, nullptr,
                     &err),
            2);
        QVERIFY2(err.contains(QStringLiteral("16-bit layout")), qPrintable(err));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("chip"))), image); // untouched
        QCOMPARE(run({QStringLiteral("--chip"), QStringLiteral("nothing"), QStringLiteral("--read"),
                         QStringLiteral("x.bin")},
                     nullptr, &err),
            2);
        QVERIFY2(err.contains(QStringLiteral("names no chip")), qPrintable(err));
        QCOMPARE(run({QStringLiteral("--chip"), chip}), 2);
        QCOMPARE(run({QStringLiteral("--list-chips")}), 0);
    }

private:
    static QByteArray readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
