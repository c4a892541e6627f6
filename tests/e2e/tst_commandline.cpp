// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/ImageEncoder.h"
#include "generate/Generators.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>

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
        QTest::newRow("unknown option: usage on stderr") << QStringList {"--frobnicate"} << 2 << ""
                                                         << "Unknown option 'frobnicate'." << QString();
        QTest::newRow("two files") << QStringList {"a.bin", "b.bin"} << 2 << ""
                                   << "Usage: " << QString();
        // Qt's own words and ours, in German.
        QTest::newRow("--help in German") << QStringList {"--help"} << 0 << "Aufruf: "
                                          << ""
                                          << "de_DE.UTF-8";
        QTest::newRow("--help in German: our description")
            << QStringList {"--help"} << 0 << "Den Lichteffekt eines 16-Kbit"
            << ""
            << "de_DE.UTF-8";
        QTest::newRow("--help in French, which we do not speak: English")
            << QStringList {"--help"} << 0 << "\nOptions:\n"
            << ""
            << "fr_FR.UTF-8";
        QTest::newRow("--help in German: the value names") << QStringList {"--help"} << 0 << "--read <DATEI>"
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
        QTest::addColumn<QString>("language");
        QTest::newRow("the same: 0") << QByteArray() << true << 0 << "Same as b.bin\n"
                                     << "" << QString();
        QTest::newRow("they differ: 1") << QByteArray("\xFE") << true << 1
                                        << "page 3 row 2: columns 16\n1 page differs, 1 LED\n"
                                        << "" << QString();
        QTest::newRow("B cannot be read: 2") << QByteArray() << false << 2 << ""
                                             << "Cannot open file" << QString();
        QTest::newRow("they differ, in German")
            << QByteArray("\xFE") << true << 1 << "Seite 3 Reihe 2: Spalten 16\n1 Seite weicht ab, 1 LED\n"
            << "" << QStringLiteral("de_DE.UTF-8");
    }
    void compareAnswersWithItsStatus()
    {
        QFETCH(QByteArray, changedByte);
        QFETCH(bool, referenceExists);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QString, language);
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
        if (!language.isEmpty())
            environment.insert(QStringLiteral("LANG"), language);
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
        const auto run = [&dir](const QStringList &arguments, QString *out = nullptr, QString *err = nullptr) {
            return TestCommandLine::run(dir, arguments, out, err);
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
        QCOMPARE(out, QStringLiteral("page 3 row 2: columns 16\n1 page differs, 1 LED\n"));
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
        QCOMPARE(run({QStringLiteral("--list-chips")}, &out, &err), 0);
        // What was found, or where it looked: never nothing at all.
        QCOMPARE(out.isEmpty(), err.startsWith(QStringLiteral("No chip was found. Looked for EEPROM files in /sys")));
    }

    // Whatever is wrong with the command is refused before the chip is touched: no byte of the
    // chip changes and no backup is made. Help and version answer alone.
    void aWrongCommandTouchesNoChip_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        const QString chip = QStringLiteral("sim:chip");
        QTest::newRow("an empty file") << QStringList {"--chip", chip, "--write", "empty.bin"} << 2
                                       << "empty.bin holds 0 bytes, and an image for the chip holds exactly 2048";
        QTest::newRow("one byte") << QStringList {"--chip", chip, "--write", "one.bin"} << 2 << "holds 1 bytes";
        QTest::newRow("a text file") << QStringList {"--chip", chip, "--write", "/etc/passwd"} << 2
                                     << "/etc/passwd holds";
        QTest::newRow("a 4 GiB sparse file")
            << QStringList {"--chip", chip, "--write", "huge.bin"} << 2 << "holds more than 2048 bytes";
        QTest::newRow("a 2048-byte .bin8 into the 1024-byte part")
            << QStringList {"--chip", "sim8:chip8", "--write", "long.bin8"} << 2 << "holds more than 1024 bytes";
        QTest::newRow("verify an empty file")
            << QStringList {"--chip", chip, "--verify", "empty.bin"} << 2 << "holds 0 bytes";
        QTest::newRow("--help beside --write") << QStringList {"--chip", chip, "--write", "a.bin", "--help"} << 0 << "";
        QTest::newRow("--version beside --write")
            << QStringList {"--version", "--chip", chip, "--write", "a.bin"} << 0 << "";
        QTest::newRow("--list-chips beside --write")
            << QStringList {"--list-chips", "--chip", chip, "--write", "a.bin"} << 2 << "each go on their own";
        QTest::newRow("--list-chips with a file") << QStringList {"--list-chips", "extra"} << 2 << "takes no FILE";
        QTest::newRow("--chip twice") << QStringList {"--chip", "sim:other", "--chip", chip, "--write", "a.bin"} << 2
                                      << "--chip is given more than once";
        QTest::newRow("--write twice") << QStringList {"--chip", chip, "--write", "a.bin", "--write", "a.bin"} << 2
                                       << "--write is given more than once";
        QTest::newRow("--compare beside --chip") << QStringList {"--compare", "a.bin", "a.bin", "--chip", chip,
            "--verify", "a.bin"} << 2 << "each go on their own";
        QTest::newRow("--compare A B --bogus")
            << QStringList {"--compare", "a.bin", "a.bin", "--bogus"} << 2 << "Unknown option 'bogus'";
        QTest::newRow("an effect file as the chip: --chip and --write swapped")
            << QStringList {"--chip", "DIR/a.bin", "--write", "blank.bin"} << 2 << "sim:";
    }
    void aWrongCommandTouchesNoChip()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, err);
        QTemporaryDir dir;
        QByteArray image(2048, '\xFF');
        image[66] = '\xFE';
        writeFile(dir.filePath(QStringLiteral("a.bin")), image);
        writeFile(dir.filePath(QStringLiteral("blank.bin")), QByteArray(2048, '\xFF'));
        writeFile(dir.filePath(QStringLiteral("empty.bin")), QByteArray());
        writeFile(dir.filePath(QStringLiteral("one.bin")), QByteArray(1, '\0'));
        writeFile(dir.filePath(QStringLiteral("long.bin8")), QByteArray(2048, '\0'));
        QFile huge(dir.filePath(QStringLiteral("huge.bin")));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(4) << 30)); // sparse: costs no disk
        huge.close();
        const QByteArray chip(2048, '\x33');
        writeFile(dir.filePath(QStringLiteral("chip")), chip);
        writeFile(dir.filePath(QStringLiteral("chip8")), QByteArray(1024, '\x33'));
        for (QString &argument : arguments) // an effect file's own path stands for the chip in one row
            argument.replace(QStringLiteral("DIR"), dir.path());
        QString out;
        QString errors;
        QCOMPARE(run(dir, arguments, &out, &errors), status);
        QVERIFY2(errors.contains(err), qPrintable(errors));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("chip"))), chip);
        QCOMPARE(readAll(dir.filePath(QStringLiteral("chip8"))), QByteArray(1024, '\x33'));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("a.bin"))), image);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("data"))));
    }

    // A chip read into a file of the other layout is written in the layout the name says, where
    // that loses nothing, and then verifies; where it would lose lit LEDs it is refused.
    void aReadIsWrittenInTheLayoutOfItsName_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QByteArray>("chip");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("expected"); // empty: refused, no file
        QByteArray small(1024, '\xFF');
        small[5] = '\x7E';
        QByteArray asSixteen(2048, '\xFF');
        asSixteen[10] = '\x7E';
        QByteArray rightHalfOff = asSixteen;
        QByteArray rightHalfLit = asSixteen;
        rightHalfLit[11] = '\xFE';
        QByteArray asEight(1024, '\xFF');
        asEight[5] = '\x7E';
        QTest::newRow("1024-byte chip into .bin") << "sim8:chip" << small << "back.bin" << asSixteen;
        QTest::newRow("2048-byte chip, right half off, into .bin8")
            << "sim:chip" << rightHalfOff << "back.bin8" << asEight;
        QTest::newRow("2048-byte chip, right half lit, into .bin8")
            << "sim:chip" << rightHalfLit << "back.bin8" << QByteArray();
    }
    void aReadIsWrittenInTheLayoutOfItsName()
    {
        QFETCH(QString, target);
        QFETCH(QByteArray, chip);
        QFETCH(QString, file);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("chip")), chip);
        QString errors;
        QCOMPARE(run(dir, {QStringLiteral("--chip"), target, QStringLiteral("--read"), file}, nullptr, &errors),
            expected.isEmpty() ? 2 : 0);
        if (expected.isEmpty()) {
            QVERIFY2(errors.contains(QStringLiteral("right half of a row on page 1")), qPrintable(errors));
            QVERIFY(!QFile::exists(dir.filePath(file)));
            return;
        }
        QCOMPARE(readAll(dir.filePath(file)), expected);
        QString out;
        QCOMPARE(run(dir, {QStringLiteral("--chip"), target, QStringLiteral("--verify"), file}, &out), 0);
        QCOMPARE(out, QStringLiteral("The chip holds this image.\n"));
    }

    // Ctrl+C, a kill or a hang-up during a write stops it at the next chip page and says which
    // pages are new, which old, and where the backup is.
    void anInterruptedWriteSaysWhatTheChipHolds_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void anInterruptedWriteSaysWhatTheChipHolds()
    {
        QFETCH(int, signal);
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("lit.bin")), QByteArray(2048, '\0'));
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(dir.path());
        program.setReadChannel(QProcess::StandardError); // where the progress goes
        program.start(QStringLiteral(GLIMMERVIEW_BINARY),
            {QStringLiteral("--chip"), QStringLiteral("sim:chip"), QStringLiteral("--write"),
                QStringLiteral("lit.bin")});
        QByteArray errors;
        while (!errors.contains("Writing: ") && program.waitForReadyRead(10000))
            errors += program.readAllStandardError();
        QVERIFY2(errors.contains("Writing: "), errors.constData());
        // Three chip pages on the chip, as the simulated chip's file shows them: stopped in the middle.
        QDeadlineTimer patience(10000);
        while (
            !readAll(dir.filePath(QStringLiteral("chip"))).startsWith(QByteArray(48, '\0')) && !patience.hasExpired())
            QThread::msleep(1);
        ::kill(static_cast<pid_t>(program.processId()), signal);
        QVERIFY(program.waitForFinished(10000));
        errors += program.readAllStandardError();
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 2);
        QVERIFY2(errors.contains("Stopped between two chip pages. Pages holding the new image: 1"), errors.constData());
        QVERIFY2(errors.contains("Pages still holding the old one:"), errors.constData());
        QVERIFY2(errors.contains("The chip's old contents are kept in"), errors.constData());
        const QByteArray held = readAll(dir.filePath(QStringLiteral("chip")));
        QVERIFY(held.startsWith(QByteArray(48, '\0')) && held.endsWith(QByteArray(16, '\xFF')));
    }

    // An effect made from a script: the generator's own bytes in the layout the name says, and
    // every mistake a 2 with nothing written.
    void anEffectIsGeneratedIntoAFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::newRow("the default chase") << QStringList {"--generate", "chase", "--output", "chase.bin"} << 0 << "";
        QTest::newRow("a wide chase, 8 LEDs")
            << QStringList {"--generate", "chase", "--set", "width=3", "--set", "bounce=1", "--output", "chase.bin8"}
            << 0 << "";
        QTest::newRow("no such kind") << QStringList {"--generate", "blink", "--output", "x.bin"} << 2
                                      << "\"blink\" is no kind of effect";
        QTest::newRow("a bad value") << QStringList {"--generate", "chase", "--set", "width=0", "--output", "x.bin"}
                                     << 2 << "width=0: a whole number from 1 to 16";
        QTest::newRow("no output") << QStringList {"--generate", "chase"} << 2 << "go with --output FILE";
    }
    void anEffectIsGeneratedIntoAFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, err);
        QTemporaryDir dir;
        QString out;
        QString errors;
        QCOMPARE(run(dir, arguments, &out, &errors), status);
        QVERIFY2(errors.contains(err), qPrintable(errors));
        const QString output = arguments.last();
        if (status != 0) {
            QVERIFY(!QFile::exists(dir.filePath(output)));
            return;
        }
        const bool eight = output.endsWith(QLatin1String(".bin8"));
        QStringList settings;
        for (qsizetype i = 0; i + 1 < arguments.size(); ++i) {
            if (arguments.at(i) == QLatin1String("--set"))
                settings << arguments.at(i + 1);
        }
        const EffectImage made = Generators::make(QStringLiteral("chase"), settings, eight ? 8 : 16);
        QCOMPARE(readAll(dir.filePath(output)),
            ImageEncoder::encode(made, eight ? ImageLayout::Bits8 : ImageLayout::Bits16));
    }

    // A picture in and the image out, from a script: a black-and-white picture comes in bit for
    // bit, and the export reads back; every mistake is a 2 with nothing written.
    void picturesInAndFilesOut_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::newRow("a picture in") << QStringList {"--import", "p.png", "--output", "x.bin"} << 0 << "";
        QTest::newRow("as pages, 8 LEDs")
            << QStringList {"--import", "p.png", "--set", "placement=pages", "--output", "x.bin8"} << 0 << "";
        QTest::newRow("no picture") << QStringList {"--import", "a.bin", "--output", "x.bin"} << 2
                                    << "This is no picture Glimmerview reads";
        QTest::newRow("a bad setting") << QStringList {"--import", "p.png", "--set", "dither=lots", "--output", "x.bin"}
                                       << 2 << "dither=lots: one of none, ordered, diffusion";
        QTest::newRow("Intel HEX out") << QStringList {"--export", "hex", "x.hex", "a.bin"} << 0 << "";
        QTest::newRow("no file to export")
            << QStringList {"--export", "hex", "x.hex"} << 2 << "goes with OUTPUT and FILE";
        QTest::newRow("an export with --output") << QStringList {"--export", "hex", "--output", "x.hex", "x.hex",
            "a.bin"} << 2 << "goes with OUTPUT and FILE";
        QTest::newRow("import and generate at once") << QStringList {"--import", "p.png", "--generate", "chase",
            "--output", "x.bin"} << 2 << "each go on their own";
    }
    void picturesInAndFilesOut()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, err);
        QTemporaryDir dir;
        QByteArray image(2048, '\xFF');
        image[5] = '\x0F';
        writeFile(dir.filePath(QStringLiteral("a.bin")), image);
        QImage picture(16, 16, QImage::Format_RGB32); // the top row's leftmost LED lit, all else dark
        picture.fill(Qt::black);
        picture.setPixel(0, 0, qRgb(255, 255, 255));
        QVERIFY(picture.save(dir.filePath(QStringLiteral("p.png"))));
        QString errors;
        QCOMPARE(run(dir, arguments, nullptr, &errors), status);
        QVERIFY2(errors.contains(err), qPrintable(errors));
        const QString output
            = dir.filePath(arguments.at(arguments.indexOf(QStringLiteral("--export")) >= 0 ? 2 : arguments.size() - 1));
        if (status != 0) {
            QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.bin")))
                && !QFile::exists(dir.filePath(QStringLiteral("x.hex"))));
            return;
        }
        if (output.endsWith(QLatin1String(".hex"))) {
            QVERIFY(readAll(output).startsWith(":10000000FFFFFFFFFF0F"));
            return;
        }
        QByteArray expected(output.endsWith(QLatin1String("8")) ? 1024 : 2048, '\xFF');
        expected[0] = '\xFE'; // bit 0: the leftmost LED, 0 lit
        QCOMPARE(readAll(output), expected);
    }

    // The station from a script: a chip a line, and after a kill in the middle of a chip the log
    // holds every finished chip's line whole.
    void aKilledStationKeepsEveryFinishedLine()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("image.bin")), QByteArray(2048, '\0'));
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(dir.path());
        program.start(QStringLiteral(GLIMMERVIEW_BINARY),
            {QStringLiteral("--station"), QStringLiteral("--chip"), QStringLiteral("sim:a"), QStringLiteral("--chip"),
                QStringLiteral("sim:b"), QStringLiteral("--write"), QStringLiteral("image.bin"),
                QStringLiteral("--log"), QStringLiteral("log.csv")});
        QVERIFY(program.waitForStarted());
        // Two chips in and done, then a third put in and the station killed while it writes.
        // A chip goes in whole: its file written beside the socket, then moved into it.
        const auto putIn = [&dir](const char *socket) {
            writeFile(dir.filePath(QStringLiteral("new")), QByteArray(2048, '\xFF'));
            return QFile::rename(dir.filePath(QStringLiteral("new")), dir.filePath(QString::fromLatin1(socket)));
        };
        QVERIFY(putIn("a") && putIn("b"));
        QByteArray out;
        while (out.count("PASS") < 2 && program.waitForReadyRead(10000))
            out += program.readAllStandardOutput();
        QCOMPARE(out.count("PASS"), 2);
        QFile::remove(dir.filePath(QStringLiteral("a")));
        QThread::msleep(300); // the lane sees its socket empty
        QVERIFY(putIn("a"));
        QDeadlineTimer patience(10000);
        while (!readAll(dir.filePath(QStringLiteral("a"))).startsWith(QByteArray(32, '\0')) && !patience.hasExpired())
            QThread::msleep(1);
        ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
        QVERIFY(program.waitForFinished(10000));
        const QList<QByteArray> lines = readAll(dir.filePath(QStringLiteral("log.csv"))).split('\n');
        QCOMPARE(lines.size(), 4); // the columns, two chips, and the end of the last line
        QVERIFY(lines.at(0).startsWith("utc_time,"));
        for (const int n : {1, 2})
            QCOMPARE(lines.at(n).count(','), 11);
        QCOMPARE(lines.at(3), QByteArray());
    }

    void theStationRefusesBeforeAnyChipIsTouched_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("err");
        const QStringList log {"--log", "log.csv"};
        QTest::newRow("two chips without a station") << QStringList {"--chip", "sim:a", "--chip", "sim:b", "--write",
            "image.bin"} << "--chip is given more than once";
        QTest::newRow("no log") << QStringList {"--station", "--chip", "sim:a", "--write", "image.bin"}
                                << "--station goes with";
        QTest::newRow("a count that is no number")
            << (QStringList {"--station", "--chip", "sim:a", "--write", "image.bin", "--count", "ten"} + log)
            << "--station goes with";
        QTest::newRow("a target that names no chip")
            << (QStringList {"--station", "--chip", "sim:a", "--chip", "usb:1", "--write", "image.bin"} + log)
            << "\"usb:1\" names no chip";
        QTest::newRow("one chip as two lanes")
            << (QStringList {"--station", "--chip", "sim:a", "--chip", "sim:a", "--write", "image.bin"} + log)
            << "sim:a is given as two lanes";
        QTest::newRow("an image and a master")
            << (QStringList {"--station", "--chip", "sim:a", "--write", "image.bin", "--clone", "sim:m"} + log)
            << "--station goes with";
        QTest::newRow("the master as a lane")
            << (QStringList {"--station", "--chip", "sim:a", "--clone", "sim:a"} + log)
            << "The master chip sim:a cannot be a lane too";
        QTest::newRow("a file that is no chip as a lane")
            << (QStringList {"--station", "--chip", "sim:a", "--chip", "DIR/image.bin", "--write", "image.bin"} + log)
            << "is a regular file, not an EEPROM file";
        QTest::newRow("an image of the wrong size")
            << (QStringList {"--station", "--chip", "sim:a", "--write", "short.bin"} + log)
            << "short.bin holds 5 bytes";
    }
    void theStationRefusesBeforeAnyChipIsTouched()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, err);
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("image.bin")), QByteArray(2048, '\0'));
        writeFile(dir.filePath(QStringLiteral("short.bin")), QByteArray(5, '\0'));
        arguments.replaceInStrings(QStringLiteral("DIR/"), dir.path() + QLatin1Char('/'));
        QString errors;
        QCOMPARE(run(dir, arguments, nullptr, &errors), 2);
        QVERIFY2(errors.contains(err), qPrintable(errors));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("a")))); // no socket made
    }

    // A report that never arrived is no answer: a script must not read it as "the same".
    void anOutputThatCannotBeWrittenIsAnError()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("a.bin")), QByteArray(2048, '\xFF'));
        QProcess program;
        program.setWorkingDirectory(dir.path());
        program.setStandardOutputFile(QStringLiteral("/dev/full"));
        program.start(QStringLiteral(GLIMMERVIEW_BINARY),
            {QStringLiteral("--compare"), QStringLiteral("a.bin"), QStringLiteral("a.bin")});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 2);
        QVERIFY(program.readAllStandardError().contains("The output cannot be written: No space left on device"));
    }

private:
    static int run(
        const QTemporaryDir &dir, const QStringList &arguments, QString *out = nullptr, QString *err = nullptr)
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(dir.path());
        program.start(QStringLiteral(GLIMMERVIEW_BINARY), arguments);
        if (!program.waitForFinished(20000))
            return -1;
        if (out)
            *out = QString::fromLocal8Bit(program.readAllStandardOutput());
        if (err)
            *err = QString::fromLocal8Bit(program.readAllStandardError());
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    }
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
