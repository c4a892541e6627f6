// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chip/Ch341aChip.h"
#include "chip/Ch341aSimulator.h"
#include "chip/ChipClock.h"
#include "chip/ChipGeometry.h"
#include "chip/ChipTargets.h"
#include "chip/ChipTransfer.h"
#include "chip/EepromFileChip.h"
#include "chip/I2cChip.h"
#include "chip/LibusbTransport.h"
#include "chip/SimulatedChip.h"
#include "common/AppError.h"
#include "tests/TestFiles.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

// The chip at the level of its bus messages: the simulated part behaves as the real one does, the
// I2C_RDWR backend's messages never cross a chip page, and no failure is ever reported as a
// clean write. The EEPROM-file backend on a regular file and on short writes.
class TestChip : public QObject
{
    Q_OBJECT

private:
    struct Bench
    {
        VirtualChipClock clock;
        SimulatedChip chip;
        int pageCrossings = 0;
        int transfersLeft = -1; // then the adapter is gone
        bool neverReady = false;
        I2cChip bus;
        explicit Bench(int size = 2048)
            : chip(size, clock)
            , bus(
                  size, [this](i2c_rdwr_ioctl_data *transfer) { return send(transfer); }, clock, QStringLiteral("bus"))
        {
        }
        int send(i2c_rdwr_ioctl_data *transfer)
        {
            if (transfersLeft == 0) {
                errno = ENODEV;
                return -1;
            }
            --transfersLeft;
            for (__u32 i = 0; i < transfer->nmsgs; ++i) {
                const i2c_msg &message = transfer->msgs[i];
                if (!(message.flags & I2C_M_RD) && message.len > 1 && message.buf[0] % 16 + message.len - 1 > 16)
                    ++pageCrossings;
            }
            if (neverReady && transfer->nmsgs == 1 && transfer->msgs[0].len == 1) {
                errno = ENXIO; // the poll: busy for ever
                return -1;
            }
            return chip.transfer(transfer->msgs, static_cast<int>(transfer->nmsgs));
        }
    };
    // The USB programmer's backend, its packets decoded by the simulated programmer.
    struct ProgrammerBench
    {
        VirtualChipClock clock;
        SimulatedChip chip;
        Ch341aSimulator *programmer;
        Ch341aChip bus;
        ProgrammerBench(int size, int kilohertz)
            : chip(size, clock, kilohertz)
            , programmer(new Ch341aSimulator(chip, clock))
            , bus(size, std::unique_ptr<UsbTransport>(programmer), clock, kilohertz, QStringLiteral("ch341a"))
        {
        }
        // Writes that cross a chip page, among those that reached the chip.
        int pageCrossings() const
        {
            return static_cast<int>(
                std::count_if(programmer->writes().begin(), programmer->writes().end(), [](const QByteArray &write) {
                    return static_cast<std::uint8_t>(write.at(0)) % 16 + write.size() - 1 > 16;
                }));
        }
    };
    static QByteArray randomBytes(int size, quint32 seed)
    {
        QByteArray bytes(size, Qt::Uninitialized);
        QRandomGenerator random(seed);
        for (char &byte : bytes)
            byte = static_cast<char>(random.bounded(256));
        return bytes;
    }
    QTemporaryDir m_folder;
    QString backup() const { return m_folder.filePath(QStringLiteral("backups/chip.bin")); }

private Q_SLOTS:
    void readsAreCutAtBlocks_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<ChipGeometry::Span>>("chunks");
        using S = ChipGeometry::Span;
        QTest::newRow("one block") << 0 << 256 << QList<S> {{0, 256}};
        QTest::newRow("across a block") << 250 << 10 << QList<S> {{250, 6}, {256, 4}};
        QTest::newRow("whole chip") << 0 << 2048
                                    << QList<S> {{0, 256}, {256, 256}, {512, 256}, {768, 256}, {1024, 256}, {1280, 256},
                                           {1536, 256}, {1792, 256}};
        QTest::newRow("nothing") << 100 << 0 << QList<S> {};
    }
    void readsAreCutAtBlocks()
    {
        QFETCH(int, offset);
        QFETCH(int, length);
        QFETCH(QList<ChipGeometry::Span>, chunks);
        QCOMPARE(ChipGeometry::readChunks(offset, length), chunks);
    }

    void chipPagesBelongToEffectPages()
    {
        QCOMPARE(ChipGeometry::effectPagesOf({0, 1, 2, 127}, 2048), (QList<int> {1, 2, 64}));
        QCOMPARE(ChipGeometry::effectPagesOf({0, 1, 63}, 1024), (QList<int> {1, 2, 64}));
    }

    // The part's own rules, message by message.
    void theSimulatedPartBehavesAsTheRealOne()
    {
        Bench bench(1024);
        __u8 poll = 0;
        i2c_msg beyond {0x54, 0, 1, &poll}; // block 4 of a 4-block part
        QCOMPARE(bench.chip.transfer(&beyond, 1), -1);
        QCOMPARE(errno, ENXIO);

        // 20 bytes from address 8: the page wraps, bytes 9..16 go to its start and the last four
        // over the first four.
        QByteArray write(21, '\0');
        write[0] = 8;
        for (int i = 1; i <= 20; ++i)
            write[i] = static_cast<char>(i);
        i2c_msg message {0x51, 0, 21, reinterpret_cast<__u8 *>(write.data())};
        QCOMPARE(bench.chip.transfer(&message, 1), 1);
        QCOMPARE(bench.chip.contents().mid(256, 16), QByteArray::fromHex("090a0b0c0d0e0f101112131405060708"));
        // Busy for 5 ms: every address unanswered, a write lost.
        write[0] = 0;
        QCOMPARE(bench.chip.transfer(&message, 1), -1);
        bench.clock.sleep(SimulatedChip::BusyMicroseconds);
        QCOMPARE(bench.chip.transfer(&beyond, 1), -1); // still only 4 blocks
        // A transfer cut short by a missing acknowledge stores nothing.
        bench.chip.faults().noAcknowledgeAtByte = bench.chip.bytesAcknowledged() + 4; // a data byte
        const QByteArray before = bench.chip.contents();
        QCOMPARE(bench.chip.transfer(&message, 1), -1);
        QCOMPARE(errno, EREMOTEIO);
        QCOMPARE(bench.chip.contents(), before);
        // Sequential reads run on over the block's end and round the chip's.
        bench.chip.setContents(randomBytes(1024, 1));
        QCOMPARE(bench.bus.read(1020, 4), bench.chip.contents().mid(1020, 4));
        QByteArray across(8, '\0');
        __u8 address = 0xFC;
        i2c_msg read[] = {{0x53, 0, 1, &address}, {0x53, I2C_M_RD, 8, reinterpret_cast<__u8 *>(across.data())}};
        QCOMPARE(bench.chip.transfer(read, 2), 2);
        QCOMPARE(across, bench.chip.contents().right(4) + bench.chip.contents().left(4));
    }

    // Random images over random contents: the chip ends equal, with page writes only, and an
    // image already there writes nothing.
    void writesEndWithTheChipEqualToTheImage_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("changedBytes"); // -1: everything random
        QTest::newRow("2048, all new") << 2048 << 7u << -1;
        QTest::newRow("1024, all new") << 1024 << 8u << -1;
        QTest::newRow("2048, one byte") << 2048 << 9u << 1;
        QTest::newRow("2048, a few bytes") << 2048 << 10u << 5;
        QTest::newRow("2048, unchanged") << 2048 << 11u << 0;
    }
    void writesEndWithTheChipEqualToTheImage()
    {
        QFETCH(int, size);
        QFETCH(quint32, seed);
        QFETCH(int, changedBytes);
        Bench bench(size);
        bench.chip.setContents(randomBytes(size, seed));
        QByteArray image = changedBytes < 0 ? randomBytes(size, seed + 100) : bench.chip.contents();
        QRandomGenerator random(seed);
        for (int i = 0; i < changedBytes; ++i)
            image[random.bounded(size)] = static_cast<char>(~image[random.bounded(size)]);
        ChipTransfer transfer(bench.bus);
        const ChipTransfer::Plan plan = transfer.plan(image);
        const int expectedWrites = static_cast<int>(ChipGeometry::differingPages(bench.chip.contents(), image).size());
        const ChipTransfer::Outcome outcome = transfer.write(plan, image, backup());
        QVERIFY2(outcome.clean, qPrintable(outcome.summary()));
        QCOMPARE(bench.chip.contents(), image);
        QCOMPARE(bench.chip.pageWritesStored(), expectedWrites);
        QCOMPARE(bench.pageCrossings, 0);
        if (expectedWrites > 0)
            QCOMPARE(TestFiles::readAll(outcome.backupPath), plan.before);
        QVERIFY(transfer.verify(image).isEmpty());
    }

    // Every fault ends in a reported failure that says which pages hold what; never in success.
    void everyFaultIsReported_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("no acknowledge in a write") << "nack";
        QTest::newRow("power lost after 10 pages") << "power";
        QTest::newRow("reads flip bits") << "flip";
        QTest::newRow("write protected") << "protect";
        QTest::newRow("adapter gone") << "gone";
        QTest::newRow("busy past the bound") << "busy";
    }
    void everyFaultIsReported()
    {
        QFETCH(QString, fault);
        Bench bench;
        const QByteArray image = randomBytes(2048, 3);
        ChipTransfer transfer(bench.bus);
        const ChipTransfer::Plan plan = transfer.plan(image);
        if (fault == QLatin1String("nack"))
            bench.chip.faults().noAcknowledgeAtByte = bench.chip.bytesAcknowledged() + 200; // in a page write
        else if (fault == QLatin1String("power"))
            bench.chip.faults().powerLostAfterPageWrites = 10;
        else if (fault == QLatin1String("flip"))
            bench.chip.faults().flipBitsInReads = true;
        else if (fault == QLatin1String("protect"))
            bench.chip.faults().writeProtected = true;
        else if (fault == QLatin1String("gone"))
            bench.transfersLeft = 700; // about 20 page writes with their polls
        else
            bench.neverReady = true;
        const ChipTransfer::Outcome outcome = transfer.write(plan, image, backup());
        QVERIFY(!outcome.clean);
        QVERIFY(!outcome.stillDiffering.isEmpty());
        QVERIFY(outcome.summary().contains(outcome.backupPath));
        QCOMPARE(
            outcome.summary().contains(QStringLiteral("write-protect pin (WP)")), fault == QLatin1String("protect"));
        QCOMPARE(outcome.newPages.size() + outcome.oldPages.size() <= plan.effectPages.size(), true);
        if (fault == QLatin1String("power") || fault == QLatin1String("gone")) {
            QVERIFY(!outcome.error.isEmpty());
            QVERIFY(!outcome.newPages.isEmpty() && !outcome.oldPages.isEmpty());
        }
    }

    // An adapter of SMBus only reads, writes and polls with the transfers it offers, never past a
    // chip page, and proves the write as plain I2C does; one that offers too little is refused.
    void anSmbusAdapterWritesAsPlainI2cDoes_data()
    {
        QTest::addColumn<quint64>("functionality");
        QTest::addColumn<QString>("refusal"); // empty: works
        QTest::newRow("I2C blocks, a quick poll") << quint64(I2C_FUNC_SMBUS_QUICK | I2C_FUNC_SMBUS_I2C_BLOCK) << "";
        QTest::newRow("the kernel's stub adapter") << quint64(I2C_FUNC_SMBUS_QUICK | I2C_FUNC_SMBUS_BYTE
            | I2C_FUNC_SMBUS_BYTE_DATA | I2C_FUNC_SMBUS_WORD_DATA | I2C_FUNC_SMBUS_I2C_BLOCK)
                                                   << "";
        QTest::newRow("bytes only") << quint64(I2C_FUNC_SMBUS_BYTE_DATA) << "";
        QTest::newRow("nothing to write with")
            << quint64(I2C_FUNC_SMBUS_QUICK | I2C_FUNC_SMBUS_READ_I2C_BLOCK) << "lacks I2C-block or byte-data writes";
    }
    void anSmbusAdapterWritesAsPlainI2cDoes()
    {
        QFETCH(quint64, functionality);
        QFETCH(QString, refusal);
        VirtualChipClock clock;
        SimulatedChip chip(2048, clock);
        int pageCrossings = 0;
        I2cChip::Adapter adapter {
            static_cast<unsigned long>(functionality), {}, [&](int address, i2c_smbus_ioctl_data *call) {
                const bool block = call->size == I2C_SMBUS_I2C_BLOCK_DATA;
                if (call->read_write == I2C_SMBUS_WRITE && block && call->command % 16 + call->data->block[0] > 16)
                    ++pageCrossings;
                return chip.smbus(address, call);
            }};
        std::unique_ptr<I2cChip> bus;
        try {
            bus = std::make_unique<I2cChip>(2048, adapter, clock, QStringLiteral("smbus"));
        } catch (const AppError &error) {
            QVERIFY2(!refusal.isEmpty() && error.message().contains(refusal), qPrintable(error.message()));
            return;
        }
        QVERIFY(refusal.isEmpty());
        bus->checkPart();
        const QByteArray image = randomBytes(2048, 11);
        ChipTransfer transfer(*bus);
        const ChipTransfer::Outcome outcome = transfer.write(transfer.plan(image), image, backup());
        QVERIFY2(outcome.clean, qPrintable(outcome.summary()));
        QCOMPARE(chip.contents(), image);
        QCOMPARE(pageCrossings, 0);
    }

    // The part on the bus is the size the target names, or the target is refused, naming it.
    void theWrongPartIsNamed_data()
    {
        QTest::addColumn<int>("onTheBus");
        QTest::addColumn<int>("named");
        QTest::addColumn<QString>("said"); // empty: taken
        QTest::newRow("2048 as 2048") << 2048 << 2048 << "";
        QTest::newRow("1024 as 1024") << 1024 << 1024 << "";
        QTest::newRow("1024 as 2048") << 1024 << 2048
                                      << "A 1024-byte part answers at 0x50–0x53 on bus: name it i2c8:bus.";
        QTest::newRow("2048 as 1024") << 2048 << 1024
                                      << "A 2048-byte part answers at 0x50–0x57 on bus: name it i2c:bus.";
        QTest::newRow("a 24C02") << 256 << 2048 << "A 256-byte part answers at 0x50 on bus: Glimmerview writes";
        QTest::newRow("none") << 0 << 2048 << "No chip answers at 0x50 on bus";
    }
    void theWrongPartIsNamed()
    {
        QFETCH(int, onTheBus);
        QFETCH(int, named);
        QFETCH(QString, said);
        VirtualChipClock clock;
        SimulatedChip chip(std::max(onTheBus, 256), clock);
        if (onTheBus == 0)
            chip.faults().powerLostAfterPageWrites = 0;
        I2cChip bus(
            named,
            [&chip](i2c_rdwr_ioctl_data *transfer) { return chip.transfer(transfer->msgs, int(transfer->nmsgs)); },
            clock, QStringLiteral("bus"));
        QString message;
        try {
            bus.checkPart();
        } catch (const AppError &error) {
            message = error.message();
        }
        QVERIFY2(said.isEmpty() ? message.isEmpty() : message.startsWith(said), qPrintable(message));
    }

    // Nothing at the chip's address: the adapter names it, rather than an error of the transfer.
    void aMissingChipIsNamed()
    {
        Bench bench;
        bench.chip.faults().powerLostAfterPageWrites = 0; // answers nothing from the start
        QString message;
        try {
            ChipTransfer(bench.bus).readAll();
        } catch (const AppError &error) {
            message = error.message();
        }
        QVERIFY2(message.startsWith(QStringLiteral("No chip answers at 0x50 on bus")), qPrintable(message));
    }

    // Two reads of a loosely clipped chip differ: nothing is written over what they hid.
    void aLooseClipStopsBeforeWriting()
    {
        Bench bench;
        const QByteArray old = randomBytes(2048, 8);
        bench.chip.setContents(old);
        bench.chip.faults().unsteadyReads = true;
        ChipTransfer transfer(bench.bus);
        QString message;
        try {
            transfer.plan(randomBytes(2048, 9));
        } catch (const AppError &error) {
            message = error.message();
        }
        QVERIFY2(message.contains(QStringLiteral("check the clip")), qPrintable(message));
        QCOMPARE(bench.chip.pageWritesStored(), 0);
        QCOMPARE(bench.chip.contents(), old);
    }

    void aCancelSaysWhichPagesAreNewAndWhichOld()
    {
        Bench bench;
        const QByteArray image = randomBytes(2048, 4);
        std::atomic_bool cancel = false;
        ChipTransfer transfer(
            bench.bus, [&](const ChipTransfer::Progress &progress) { cancel = progress.chipPage == 20; }, &cancel);
        const ChipTransfer::Outcome outcome = transfer.write(transfer.plan(image), image, backup());
        QVERIFY(outcome.cancelled && !outcome.clean);
        // Chip pages 0..20 written: effect pages 1..10 whole, page 11 half.
        QCOMPARE(outcome.newPages, (QList<int> {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        QCOMPARE(outcome.partlyWritten, QList<int> {11});
        QCOMPARE(outcome.oldPages.size(), 53);
        QVERIFY(outcome.summary().contains(QStringLiteral("new image: 1\u201310.")));
    }

    // The programmer's stream: well framed, at the speed asked, one chip page a write, and random
    // images over random contents end equal; an image already there writes nothing.
    void theProgrammerWritesPageByPage_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("kilohertz");
        QTest::addColumn<bool>("unchanged");
        QTest::newRow("2048 at 100 kHz") << 2048 << 100 << false;
        QTest::newRow("2048 at 400 kHz") << 2048 << 400 << false;
        QTest::newRow("1024 at 100 kHz") << 1024 << 100 << false;
        QTest::newRow("2048, unchanged") << 2048 << 100 << true;
    }
    void theProgrammerWritesPageByPage()
    {
        QFETCH(int, size);
        QFETCH(int, kilohertz);
        QFETCH(bool, unchanged);
        ProgrammerBench bench(size, kilohertz);
        bench.chip.setContents(randomBytes(size, 21));
        const QByteArray image = unchanged ? bench.chip.contents() : randomBytes(size, 22);
        ChipTransfer transfer(bench.bus);
        const ChipTransfer::Outcome outcome = transfer.write(transfer.plan(image), image, backup());
        QVERIFY2(outcome.clean, qPrintable(outcome.summary()));
        QCOMPARE(bench.chip.contents(), image);
        QCOMPARE(bench.programmer->framingErrors(), QStringList());
        QCOMPARE(bench.programmer->kilohertz(), kilohertz);
        QCOMPARE(bench.pageCrossings(), 0);
        QCOMPARE(bench.programmer->writes().size(), unchanged ? 0 : size / 16);
    }

    // Where a missing chip reads as an erased one, uniform bytes are told as suspect; where the
    // bus reports a missing chip, they are an erased chip.
    void uniformBytesAreSuspectOnlyThroughTheProgrammer_data()
    {
        QTest::addColumn<bool>("programmer");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("said"); // empty: nothing
        QTest::newRow("programmer, all 0xFF") << true << QByteArray(2048, '\xFF') << "reads 0xFF";
        QTest::newRow("programmer, all 0x00") << true << QByteArray(2048, '\0') << "reads 0x00";
        QTest::newRow("programmer, one byte else") << true << QByteArray(2047, '\xFF') + '\x7F' << "";
        const QByteArray half = randomBytes(1024, 4);
        QTest::newRow("programmer, halves alike") << true << half + half << "probably a 1024-byte part";
        QTest::newRow("I2C adapter, halves alike") << false << half + half << "";
        QTest::newRow("I2C adapter, all 0xFF") << false << QByteArray(2048, '\xFF') << "";
    }
    void uniformBytesAreSuspectOnlyThroughTheProgrammer()
    {
        QFETCH(bool, programmer);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        ProgrammerBench viaProgrammer(2048, 100);
        Bench viaAdapter;
        const ChipAccess &chip = programmer ? static_cast<const ChipAccess &>(viaProgrammer.bus) : viaAdapter.bus;
        const QString warning = ChipTransfer::suspectReading(chip, bytes);
        QCOMPARE(warning.isEmpty(), said.isEmpty());
        QVERIFY2(warning.contains(said), qPrintable(warning));
    }

    // Every fault of the programmer's way ends in a reported failure, never in success.
    void everyProgrammerFaultIsReported_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("the chip stops answering") << "silent";
        QTest::newRow("reads flip bits") << "flip";
        QTest::newRow("a transfer times out") << "timeout";
        QTest::newRow("unplugged in the middle") << "gone";
    }
    void everyProgrammerFaultIsReported()
    {
        QFETCH(QString, fault);
        ProgrammerBench bench(2048, 100);
        const QByteArray image = randomBytes(2048, 23);
        ChipTransfer transfer(bench.bus);
        const ChipTransfer::Plan plan = transfer.plan(image);
        if (fault == QLatin1String("silent"))
            bench.chip.faults().powerLostAfterPageWrites = 0;
        else if (fault == QLatin1String("flip"))
            bench.chip.faults().flipBitsInReads = true;
        else if (fault == QLatin1String("timeout"))
            bench.programmer->faults().timeoutAtTransfer = 200 + 128; // past the plan's second read
        else
            bench.programmer->faults().goneAfterTransfers = 1 + 2 * 128 + 40; // the speed, two reads, 40 pages
        const ChipTransfer::Outcome outcome = transfer.write(plan, image, backup());
        QVERIFY(!outcome.clean);
        QVERIFY(!outcome.stillDiffering.isEmpty());
        if (fault == QLatin1String("gone")) {
            QVERIFY2(outcome.error.contains(QStringLiteral("unplugged")), qPrintable(outcome.error));
            QVERIFY(outcome.notReadBack);
            QCOMPARE(outcome.newPages.size(), 20);
            QCOMPARE(outcome.oldPages.size(), 44);
        }
        QCOMPARE(outcome.chipSilent, fault == QLatin1String("silent"));
    }

    // The programmer does not report a missing acknowledge: a write the chip missed once is found
    // by the read-back and written again.
    void aWriteTheChipMissedIsWrittenAgain()
    {
        ProgrammerBench bench(2048, 100);
        const QByteArray image = randomBytes(2048, 24);
        ChipTransfer transfer(bench.bus);
        const ChipTransfer::Plan plan = transfer.plan(image);
        bench.chip.faults().noAcknowledgeAtByte = bench.chip.bytesAcknowledged() + 300; // in one page's write
        const ChipTransfer::Outcome outcome = transfer.write(plan, image, backup());
        QVERIFY2(outcome.clean, qPrintable(outcome.summary()));
        QCOMPARE(bench.chip.contents(), image);
        QCOMPARE(bench.programmer->writes().size(), 128); // the missed one reached the chip the second time
        QCOMPARE(bench.chip.pageWritesStored(), 128);
    }

    // The real library, called with no programmer on the machine: the error says to plug it in.
    void withoutAProgrammerTheRealLibrarySaysSo()
    {
        if (!LibusbTransport::list().isEmpty())
            QSKIP("a programmer is plugged in here");
        try {
            LibusbTransport::open(std::nullopt);
            QFAIL("a programmer was opened");
        } catch (const AppError &error) {
            QVERIFY2(error.message().startsWith(QStringLiteral("No CH341A programmer is plugged in")),
                qPrintable(error.message()));
        }
    }

    void anImageOfAnotherSizeIsRefused()
    {
        Bench bench;
        ChipTransfer transfer(bench.bus);
        QVERIFY_THROWS_EXCEPTION(AppError, transfer.plan(QByteArray(1024, '\0')));
        QCOMPARE(bench.chip.pageWritesStored(), 0);
    }

    // A target that cannot be reached says why, and opens nothing.
    void aTargetThatCannotBeOpenedSaysWhy_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no such adapter") << "i2c:/dev/i2c-999"
                                         << "cannot be opened";
        QTest::newRow("no such EEPROM file") << "/sys/bus/nvmem/devices/none/nvmem"
                                             << "cannot be opened";
        QTest::newRow("a simulated chip's file of another size") << "sim8:SHORT"
                                                                 << "holds 100 bytes, not 1024";
        QTest::newRow("no target at all") << "chip"
                                          << "names no chip";
    }
    void aTargetThatCannotBeOpenedSaysWhy()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        const QString shortFile
            = TestFiles::writeAll(m_folder.filePath(QStringLiteral("short")), QByteArray(100, '\0'));
        try {
            ChipTargets::open(QString(target).replace(QStringLiteral("SHORT"), shortFile), false);
            QFAIL("opened");
        } catch (const AppError &error) {
            QVERIFY2(error.message().contains(reason), qPrintable(error.message()));
        }
    }

    // The kernel driver's file: short writes carried on, a file too small for the chip reported.
    void theEepromFileIsWrittenInPlace_data()
    {
        QTest::addColumn<int>("mostPerWrite");
        QTest::addColumn<int>("fileEndsAt"); // past it, EFBIG
        QTest::newRow("whole writes") << 4096 << 4096;
        QTest::newRow("short writes") << 3 << 4096;
        QTest::newRow("too small") << 4096 << 1000;
    }
    void theEepromFileIsWrittenInPlace()
    {
        QFETCH(int, mostPerWrite);
        QFETCH(int, fileEndsAt);
        const QString path = TestFiles::writeAll(m_folder.filePath(QStringLiteral("eeprom")), randomBytes(2048, 5));
        EepromFileChip::FileCalls calls = EepromFileChip::systemCalls();
        calls.pwrite = [&](int fd, const void *buffer, size_t count, off_t offset) -> ssize_t {
            if (offset + static_cast<off_t>(count) > fileEndsAt) {
                errno = EFBIG;
                return -1;
            }
            return ::pwrite(fd, buffer, std::min<size_t>(count, static_cast<size_t>(mostPerWrite)), offset);
        };
        const auto chip = EepromFileChip::open(path, true, calls, m_folder.path()); // the folder as /sys
        const QByteArray image = randomBytes(2048, 6);
        ChipTransfer transfer(*chip);
        const ChipTransfer::Outcome outcome = transfer.write(transfer.plan(image), image, backup());
        QCOMPARE(outcome.clean, fileEndsAt > 2048);
        if (outcome.clean)
            QCOMPARE(TestFiles::readAll(path), image);
        else
            QVERIFY2(outcome.error.contains(QStringLiteral("smaller than the chip")), qPrintable(outcome.error));
        TestFiles::writeAll(path, QByteArray(100, '\0'));
        QVERIFY_THROWS_EXCEPTION(
            AppError, EepromFileChip::open(path, false, EepromFileChip::systemCalls(), m_folder.path()));
    }

    // Reads go on through short reads and interruptions, and stop with the reason at a failure
    // or at an end before the chip's.
    void theEepromFileIsReadWhole_data()
    {
        QTest::addColumn<int>("mostPerRead");
        QTest::addColumn<int>("failure"); // errno of every third call, 0 for none
        QTest::addColumn<int>("fileEndsAt");
        QTest::addColumn<QString>("error"); // empty: read whole
        QTest::newRow("whole reads") << 4096 << 0 << 2048 << "";
        QTest::newRow("short reads") << 7 << 0 << 2048 << "";
        QTest::newRow("interrupted") << 100 << EINTR << 2048 << "";
        QTest::newRow("an I/O error") << 100 << EIO << 2048 << "cannot be read: Input/output error";
        QTest::newRow("an end before the chip's") << 100 << 0 << 1000 << "ends at byte 1000, before the chip does";
    }
    void theEepromFileIsReadWhole()
    {
        QFETCH(int, mostPerRead);
        QFETCH(int, failure);
        QFETCH(int, fileEndsAt);
        QFETCH(QString, error);
        const QByteArray bytes = randomBytes(2048, 7);
        const QString path = TestFiles::writeAll(m_folder.filePath(QStringLiteral("nvmem")), bytes);
        int calls = 0;
        EepromFileChip::FileCalls fileCalls = EepromFileChip::systemCalls();
        fileCalls.pread = [&](int fd, void *buffer, size_t count, off_t offset) -> ssize_t {
            if (failure != 0 && ++calls % 3 == 0) {
                errno = failure;
                return -1;
            }
            const off_t left = std::max<off_t>(0, fileEndsAt - offset);
            return ::pread(
                fd, buffer, std::min({count, static_cast<size_t>(mostPerRead), static_cast<size_t>(left)}), offset);
        };
        const auto chip = EepromFileChip::open(path, false, fileCalls, m_folder.path());
        QString message;
        try {
            QCOMPARE(chip->read(0, 2048), bytes);
        } catch (const AppError &failed) {
            message = failed.message();
        }
        QVERIFY2(error.isEmpty() ? message.isEmpty() : message.contains(error), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(TestChip)
#include "tst_chip.moc"
