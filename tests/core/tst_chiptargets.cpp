// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chip/Ch341aChip.h"
#include "chip/ChipClock.h"
#include "chip/ChipTargets.h"
#include "chip/ChipTransfer.h"
#include "chip/EepromFileChip.h"
#include "chip/I2cChip.h"
#include "common/AppError.h"
#include "common/LocalPath.h"
#include "tests/TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// What a target must be before a chip is touched, and what a write leaves behind: only a kernel
// driver's EEPROM file is taken as a chip, a simulated chip's file is a regular file of its size,
// two writers of one target exclude each other, and no backup ever replaces another.
class TestChipTargets : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    QString path(const QString &name) const { return m_folder.filePath(name); }
    static QString openError(const std::function<void()> &open)
    {
        try {
            open();
        } catch (const AppError &error) {
            return error.message();
        }
        return QStringLiteral("(opened)");
    }

private Q_SLOTS:
    void initTestCase()
    {
        // A fake /sys: a driver's file, and an effect file outside it that links point at.
        QVERIFY(QDir(path(QStringLiteral("sys/bus/nvmem/devices/0-00500"))).mkpath(QStringLiteral(".")));
        TestFiles::writeAll(path(QStringLiteral("sys/bus/nvmem/devices/0-00500/nvmem")), QByteArray(2048, '\xFF'));
        TestFiles::writeAll(path(QStringLiteral("effect.bin")), QByteArray(2048, '\0'));
        TestFiles::writeAll(path(QStringLiteral("eeprom")), QByteArray(2048, '\0'));
        QVERIFY(QFile::link(path(QStringLiteral("effect.bin")), path(QStringLiteral("sys/bus/nvmem/devices/eeprom"))));
        QVERIFY(QDir(path(QStringLiteral("sys/folder"))).mkpath(QStringLiteral("nvmem")));
        QVERIFY(::mkfifo(QFile::encodeName(path(QStringLiteral("sys/eeprom"))).constData(), 0600) == 0);
        QVERIFY(::mkfifo(QFile::encodeName(path(QStringLiteral("pipe"))).constData(), 0600) == 0);
        QVERIFY(QDir(path(QStringLiteral("folder"))).mkpath(QStringLiteral(".")));
    }

    // An effect file is exactly a chip's size: swapping --chip and --write must not overwrite it.
    void onlyADriversFileIsAnEepromFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason"); // empty: opened
        QTest::newRow("the driver's file") << "sys/bus/nvmem/devices/0-00500/nvmem"
                                           << "";
        QTest::newRow("an effect file named eeprom, outside /sys") << "eeprom"
                                                                   << "a regular file, not an EEPROM file";
        QTest::newRow("a link under /sys to an effect file") << "sys/bus/nvmem/devices/eeprom"
                                                             << "a regular file, not an EEPROM file";
        QTest::newRow("a named pipe under /sys: no wait") << "sys/eeprom"
                                                          << "a named pipe, not an EEPROM file";
        QTest::newRow("a folder under /sys") << "sys/folder/nvmem"
                                             << "a folder, not an EEPROM file";
        QTest::newRow("a block device") << "/dev/loop0"
                                        << "a block device";
    }
    void onlyADriversFileIsAnEepromFile()
    {
        QFETCH(QString, file);
        QFETCH(QString, reason);
        const QString full = file.startsWith(QLatin1Char('/')) ? file : path(file);
        if (file.startsWith(QLatin1String("/dev/")) && !QFileInfo::exists(full))
            QSKIP("no such device here");
        const QByteArray before = TestFiles::readAll(path(QStringLiteral("effect.bin")));
        const QString message = openError(
            [&] { EepromFileChip::open(full, true, EepromFileChip::systemCalls(), path(QStringLiteral("sys"))); });
        if (reason.isEmpty()) {
            QCOMPARE(message, QStringLiteral("(opened)"));
            return;
        }
        QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("sim:")), qPrintable(message)); // the way to use a file
        QCOMPARE(TestFiles::readAll(path(QStringLiteral("effect.bin"))), before);
    }

    // A simulated chip's file: a regular file of the chip's size, or missing (then made erased);
    // nothing else, so that /dev/zero or a pipe can neither hang nor eat memory.
    void aSimulatedChipsFileIsARegularFileOfItsSize_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason"); // empty: opened
        QTest::newRow("missing: made erased") << "sim:" + path(QStringLiteral("new-chip")) << "";
        QTest::newRow("/dev/zero") << "sim:/dev/zero"
                                   << "is a character device";
        QTest::newRow("a named pipe") << "sim:" + path(QStringLiteral("pipe")) << "is a named pipe";
        QTest::newRow("a folder") << "sim:" + path(QStringLiteral("folder")) << "is a folder";
        QTest::newRow("a name that is no UTF-8: made as named")
            << "sim:" + path(LocalPath::decode(QByteArrayLiteral("chip-\xE9"))) << "";
        QTest::newRow("a 2048-byte file as the 1024-byte part")
            << "sim8:" + path(QStringLiteral("effect.bin")) << "holds 2048 bytes, not 1024";
    }
    void aSimulatedChipsFileIsARegularFileOfItsSize()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        const QString message = openError([&] { ChipTargets::open(target, true); });
        QVERIFY2(
            reason.isEmpty() ? message == QStringLiteral("(opened)") : message.contains(reason), qPrintable(message));
        struct stat made
        {
        };
        if (reason.isEmpty()) { // made erased, under the very bytes of its name
            QCOMPARE(::stat(LocalPath::encode(target.mid(4)).constData(), &made), 0);
            QCOMPARE(made.st_size, 2048);
        }
    }

    // The read-back reaches the file: another writer's bytes show, not this process's memory.
    void aReadReachesTheMedium()
    {
        const QString file = TestFiles::writeAll(path(QStringLiteral("medium")), QByteArray(2048, '\xFF'));
        const auto chip = ChipTargets::open(QStringLiteral("sim:") + file, false);
        QCOMPARE(chip->read(0, 16), QByteArray(16, '\xFF'));
        TestFiles::writeAll(file, QByteArray(2048, '\x5A'));
        QCOMPARE(chip->read(0, 16), QByteArray(16, '\x5A'));
    }

    // Two writers of one target would both report success for bytes the other overwrote.
    void aSecondWriterIsRefusedWithTheFirstsProcess()
    {
        const QString target = QStringLiteral("sim:") + path(QStringLiteral("shared-chip"));
        int ready[2];
        QVERIFY(::pipe(ready) == 0);
        const pid_t first = ::fork();
        if (first == 0) { // the first writer holds the chip until it is ended
            const auto chip = ChipTargets::open(target, true);
            (void)!::write(ready[1], "1", 1);
            ::pause();
            ::_exit(0);
        }
        char signal = 0;
        QCOMPARE(::read(ready[0], &signal, 1), 1);
        const QString message = openError([&] { ChipTargets::open(target, true); });
        const QString reader = openError([&] { ChipTargets::open(target, false); });
        ::kill(first, SIGKILL);
        ::waitpid(first, nullptr, 0);
        ::close(ready[0]);
        ::close(ready[1]);
        QVERIFY2(message.contains(QStringLiteral("being written by another program (process %1)").arg(first)),
            qPrintable(message));
        QCOMPARE(reader, QStringLiteral("(opened)")); // reading does not wait for the writer
        QCOMPARE(openError([&] { ChipTargets::open(target, true); }), QStringLiteral("(opened)"));
    }

    // A write run again at once keeps the first backup, the original chip, beside its own.
    void noBackupReplacesAnother()
    {
        const QString wanted = ChipTransfer::backupPath(
            path(QStringLiteral("data")), QStringLiteral("sim:chip"), QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
        const QString first = ChipTransfer::keepBackup(wanted, QByteArray(2048, '\x01'));
        const QString second = ChipTransfer::keepBackup(wanted, QByteArray(2048, '\x02'));
        const QString third = ChipTransfer::keepBackup(wanted, QByteArray(2048, '\x03'));
        QCOMPARE(first, wanted);
        QCOMPARE(QFileInfo(second).fileName(), QStringLiteral("sim_chip-20261209-100000-2.bin"));
        QCOMPARE(QFileInfo(third).fileName(), QStringLiteral("sim_chip-20261209-100000-3.bin"));
        QCOMPARE(TestFiles::readAll(first), QByteArray(2048, '\x01'));
        QCOMPARE(TestFiles::readAll(second), QByteArray(2048, '\x02'));
    }

    // A backup's name fits a file system and still names its target alone, whatever the target.
    void aBackupNameFitsAndStaysUnique_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QByteArray>("other"); // a target that must get another name
        const QByteArray folder = "sim:/" + QByteArray(300, 'a');
        QTest::newRow("a long path") << folder + "/x/chip" << folder + "/y/chip";
        QTest::newRow("bytes that are no UTF-8")
            << QByteArray("sim:/tmp/chip-\xE9") << QByteArray("sim:/tmp/chip-\xE8");
    }
    void aBackupNameFitsAndStaysUnique()
    {
        QFETCH(QByteArray, target);
        QFETCH(QByteArray, other);
        const QDateTime time(QDate(2026, 12, 9), QTime(10, 0));
        const QString name = ChipTransfer::backupPath(path(QStringLiteral("data")), LocalPath::decode(target), time);
        const QString otherName
            = ChipTransfer::backupPath(path(QStringLiteral("data")), LocalPath::decode(other), time);
        QVERIFY(LocalPath::encode(QFileInfo(name).fileName()).size() + 8 <= 255); // room for a counter
        QVERIFY(QFileInfo(name).fileName() != QFileInfo(otherName).fileName());
        QVERIFY(QFile::exists(ChipTransfer::keepBackup(name, QByteArray(16, '\0'))));
    }

    void aBackupFolderThatCannotBeMadeSaysWhy()
    {
        TestFiles::writeAll(path(QStringLiteral("not-a-folder")), QByteArray("x"));
        const QString message = openError([&] {
            ChipTransfer::keepBackup(
                path(QStringLiteral("not-a-folder/Glimmerview/backups/chip.bin")), QByteArray(16, '\0'));
        });
        QVERIFY2(message.contains(QStringLiteral("Not a directory")), qPrintable(message));
    }

    // A short count without an error leaves errno as an earlier call set it: never "failed: Success".
    void aShortTransferIsNamedForWhatItIs()
    {
        VirtualChipClock clock;
        I2cChip bus(
            2048,
            [](i2c_rdwr_ioctl_data *) {
                errno = 0;
                return 1; // of the two messages of a read
            },
            clock, QStringLiteral("/dev/i2c-7"));
        const QString message = openError([&] { bus.read(0, 16); });
        QCOMPARE(message, QStringLiteral("The adapter /dev/i2c-7 carried 1 of 2 messages to 0x50."));
    }

    // What --list-chips and the window's list show: the drivers' files with their size and
    // driver, and the adapters, each with what this user may do; nothing else in the folders.
    void theMachinesChipsAreListed()
    {
        QTemporaryDir root;
        const auto make = [&root](const QString &name, qsizetype size) {
            QVERIFY(QDir(root.path()).mkpath(QFileInfo(name).path()));
            TestFiles::writeAll(root.filePath(name), QByteArray(size, '\xFF'));
        };
        const auto link = [&root](const QString &target, const QString &name) {
            QVERIFY(QDir(root.path()).mkpath(QFileInfo(name).path()));
            QVERIFY(QFile::link(root.filePath(target), root.filePath(name)));
        };
        // One 24C16 that the driver offers twice, a PC's CMOS memory, a driverless 1024-byte part.
        make(QStringLiteral("sys/devices/i2c-3/3-0050/eeprom"), 2048);
        link(QStringLiteral("sys/devices/i2c-3/3-0050"), QStringLiteral("sys/bus/i2c/devices/3-0050"));
        make(QStringLiteral("sys/bus/i2c/drivers/at24/bind"), 0);
        link(QStringLiteral("sys/bus/i2c/drivers/at24"), QStringLiteral("sys/devices/i2c-3/3-0050/driver"));
        // The kernel's layout: the nvmem device a folder inside the chip's, reached by a link.
        make(QStringLiteral("sys/devices/i2c-3/3-0050/3-00500/nvmem"), 2048);
        link(QStringLiteral("sys/devices/i2c-3/3-0050/3-00500"), QStringLiteral("sys/bus/nvmem/devices/3-00500"));
        make(QStringLiteral("sys/bus/nvmem/devices/cmos_nvram0/nvmem"), 242);
        make(QStringLiteral("sys/bus/i2c/devices/4-0050/eeprom"), 1024);
        make(QStringLiteral("sys/bus/i2c/devices/3-0051/name"), 5); // a device with no EEPROM file
        make(QStringLiteral("dev/i2c-3"), 0);
        make(QStringLiteral("dev/i2c/4"), 0);
        make(QStringLiteral("dev/tty0"), 0);
        QStringList shown;
        for (const ChipTargets::Found &found : ChipTargets::list(root.path())) {
            if (!found.target.startsWith(QLatin1String("ch341a"))) // a programmer plugged in here
                shown << QString(found.target + QStringLiteral(" | ") + found.description).remove(root.path());
        }
        QCOMPARE(shown,
            QStringList({QStringLiteral("/sys/bus/nvmem/devices/3-00500/nvmem | EEPROM file, 2048 bytes, driver "
                                        "at24, you may read and write it; also /sys/bus/i2c/devices/3-0050/eeprom"),
                QStringLiteral("/sys/bus/i2c/devices/4-0050/eeprom | EEPROM file, 1024 bytes, no driver, you may "
                               "read and write it"),
                QStringLiteral("i2c:/dev/i2c-3 | I2C adapter, you may read and write it"),
                QStringLiteral("i2c:/dev/i2c/4 | I2C adapter, you may read and write it")}));
    }

    // The programmer's target: its place, speed and size, and nothing it cannot have or that is
    // given twice (a typing error is never read as the default).
    void theProgrammersOptions_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("read"); // bus-address speed size, or the error's start
        QTest::newRow("the first") << "ch341a"
                                   << "any 100 2048";
        QTest::newRow("a place") << "ch341a:3-7"
                                 << "3-7 100 2048";
        QTest::newRow("fast and small") << "ch341a:1-12?speed=400&size=1024"
                                        << "1-12 400 1024";
        QTest::newRow("a speed it lacks") << "ch341a?speed=200"
                                          << "The programmer runs at 100 or 400 kHz, not 200.";
        QTest::newRow("a size no chip has") << "ch341a?size=4096"
                                            << "A chip holds 1024 or 2048 bytes, not 4096.";
        QTest::newRow("a typing error") << "ch341a?sped=400"
                                        << "\"ch341a?sped=400\": the programmer takes";
        QTest::newRow("twice") << "ch341a?speed=400&speed=100"
                               << "\"ch341a?speed=400&speed=100\": the programmer";
        QTest::newRow("half a place") << "ch341a:3"
                                      << "\"ch341a:3\" names no programmer";
        QTest::newRow("a place of words") << "ch341a:x-7"
                                          << "\"ch341a:x-7\" names no programmer";
    }
    void theProgrammersOptions()
    {
        QFETCH(QString, target);
        QFETCH(QString, read);
        QString got;
        try {
            const Ch341aChip::Options options = Ch341aChip::parseTarget(target);
            got = QStringLiteral("%1 %2 %3")
                      .arg(options.place ? QStringLiteral("%1-%2").arg(options.place->first).arg(options.place->second)
                                         : QStringLiteral("any"))
                      .arg(options.kilohertz)
                      .arg(options.size);
        } catch (const AppError &error) {
            got = error.message();
        }
        QVERIFY2(got.startsWith(read), qPrintable(got));
    }

    // No adapter is driven across a device a kernel driver holds in the part's range: the chip
    // itself is reached through its EEPROM file, another device is named with its driver.
    void devicesADriverHoldsAreNeverWrittenAcross_data()
    {
        QTest::addColumn<QString>("adapter");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("held"); // device folder with a driver; empty: none
        QTest::addColumn<QString>("said");
        QTest::newRow("the chip at 0x50") << "i2c-9" << 2048 << "9-0050"
                                          << "Use its EEPROM file instead: ";
        QTest::newRow("an SPD EEPROM at 0x52") << "i2c-9" << 2048 << "9-0052"
                                               << "The kernel driver ee1004 holds a device at 0x52";
        QTest::newRow("/dev/i2c/N names the adapter too") << "i2c/9" << 2048 << "9-0057"
                                                          << "at 0x57";
        QTest::newRow("0x55 is outside the 1024-byte part") << "i2c-9" << 1024 << "9-0055"
                                                            << "cannot be opened";
        QTest::newRow("another adapter's device") << "i2c-9" << 2048 << "8-0050"
                                                  << "cannot be opened";
        QTest::newRow("no driver") << "i2c-9" << 2048 << ""
                                   << "cannot be opened";
    }
    void devicesADriverHoldsAreNeverWrittenAcross()
    {
        QFETCH(QString, adapter);
        QFETCH(int, size);
        QFETCH(QString, held);
        QFETCH(QString, said);
        QTemporaryDir sys;
        QVERIFY(QDir(sys.path()).mkpath(QStringLiteral("bus/i2c/drivers/ee1004")));
        if (!held.isEmpty()) {
            QVERIFY(QDir(sys.path()).mkpath(QStringLiteral("bus/i2c/devices/") + held));
            QVERIFY(QFile::link(sys.filePath(QStringLiteral("bus/i2c/drivers/ee1004")),
                sys.filePath(QStringLiteral("bus/i2c/devices/%1/driver").arg(held))));
        }
        // The adapter's node is not there: past the checks, opening it fails.
        const QString message = openError([&] { I2cChip::open(path(adapter), size, sys.path()); });
        QVERIFY2(message.contains(said), qPrintable(message));
    }

    // Each kind of the table is reached by its form, and a text of none is refused naming them all.
    void everyKindIsReachedByItsForm_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("said"); // the start of the answer; "(opened)" for a chip
        QTest::newRow("an EEPROM file") << path(QStringLiteral("missing/nvmem"))
                                        << path(QStringLiteral("missing/nvmem"));
        QTest::newRow("an adapter") << "i2c:" + path(QStringLiteral("i2c-77")) << path(QStringLiteral("i2c-77"));
        QTest::newRow("an adapter, 1024 bytes")
            << "i2c8:" + path(QStringLiteral("i2c-77")) << path(QStringLiteral("i2c-77"));
        QTest::newRow("the programmer") << "ch341a?sped=1"
                                        << "\"ch341a?sped=1\": the programmer";
        QTest::newRow("a simulated chip") << "sim:" + path(QStringLiteral("kinds-chip")) << "(opened)";
        QTest::newRow("none") << "flash:x"
                              << "\"flash:x\" names no chip. A chip is one of: /sys/bus/nvmem";
    }
    void everyKindIsReachedByItsForm()
    {
        QFETCH(QString, target);
        QFETCH(QString, said);
        const QString message = openError([&] { ChipTargets::open(target, false, path(QStringLiteral("sys"))); });
        QVERIFY2(message.startsWith(said) || message.contains(said), qPrintable(message));
        QCOMPARE(message.contains(QStringLiteral("names no chip")), target == QLatin1String("flash:x"));
    }

    // A named pipe or a regular file given as an adapter is refused at once.
    void anAdapterIsACharacterDevice()
    {
        const QString message
            = openError([&] { ChipTargets::open(QStringLiteral("i2c:") + path(QStringLiteral("pipe")), false); });
        QVERIFY2(message.contains(QStringLiteral("is a named pipe, not an I2C adapter")), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(TestChipTargets)
#include "tst_chiptargets.moc"
