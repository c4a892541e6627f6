// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// Chip work on the simulated part's virtual clock, its bus at 400 kHz: the figures are the time
// the chip and its bus would take (counters, in ms), beside the part's own limit; the benchmark's
// wall time is what the program spends around them.
#include "chip/Ch341aChip.h"
#include "chip/Ch341aSimulator.h"
#include "chip/ChipClock.h"
#include "chip/ChipGeometry.h"
#include "chip/ChipTransfer.h"
#include "chip/I2cChip.h"
#include "chip/SimulatedChip.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
constexpr int BusKilohertz = 400;

struct Bench
{
    VirtualChipClock clock;
    SimulatedChip chip {ChipGeometry::LargeChipSize, clock, BusKilohertz};
    I2cChip bus {ChipGeometry::LargeChipSize,
        [this](
            i2c_rdwr_ioctl_data *transfer) { return chip.transfer(transfer->msgs, static_cast<int>(transfer->nmsgs)); },
        clock, QStringLiteral("bench")};
};

// The bus time of `bytes` bytes at 400 kHz, nine clocks each, in ms.
double busMilliseconds(int bytes)
{
    return bytes * 9.0 / BusKilohertz;
}

void report(benchmark::State &state, double virtualMicroseconds, double limitMilliseconds)
{
    state.counters["chip_ms"] = virtualMicroseconds / 1000.0;
    state.counters["limit_ms"] = limitMilliseconds;
    state.counters["ratio"] = virtualMicroseconds / 1000.0 / limitMilliseconds;
}

// Virtual microseconds to write a whole image that differs everywhere into an erased chip: the
// chip pages alone, or (withReads) the whole write with the reads before and after it.
double timeWholeWrite(ChipAccess &chip, const ChipClock &clock, bool withReads, const QString &backup)
{
    const QByteArray image(ChipGeometry::LargeChipSize, '\x5A');
    ChipTransfer transfer(chip);
    const ChipTransfer::Plan plan = transfer.plan(image);
    const std::int64_t start = withReads ? 0 : clock.nowMicroseconds();
    if (withReads) {
        transfer.write(plan, image, backup);
    } else {
        for (const int page : plan.chipPages)
            chip.writePage(page * 16, image.mid(page * 16, 16));
    }
    return static_cast<double>(clock.nowMicroseconds() - start);
}

// A whole image that differs everywhere: the write, and the write with its reads around it.
void writeWholeImage(benchmark::State &state)
{
    QTemporaryDir dir;
    double spent = 0;
    for (auto _ : state) {
        Bench bench;
        spent = timeWholeWrite(bench.bus, bench.clock, state.range(0) == 1, dir.filePath(QStringLiteral("backup.bin")));
    }
    const int pages = ChipGeometry::LargeChipSize / ChipGeometry::PageSize;
    report(
        state, spent, pages * SimulatedChip::BusyMicroseconds / 1000.0 + busMilliseconds(ChipGeometry::LargeChipSize));
}

// One LED changed: one chip page written, with the reads around it.
void writeOneLed(benchmark::State &state)
{
    QTemporaryDir dir;
    QByteArray image(ChipGeometry::LargeChipSize, '\xFF');
    image[700] = '\xFE'; // each run's chip is a fresh, erased one: one page differs every time
    double spent = 0;
    int pagesWritten = 0;
    for (auto _ : state) {
        Bench bench;
        ChipTransfer transfer(bench.bus);
        const ChipTransfer::Plan plan = transfer.plan(image);
        const std::int64_t start = bench.clock.nowMicroseconds();
        for (const int page : plan.chipPages)
            bench.bus.writePage(page * 16, image.mid(page * 16, 16));
        spent = static_cast<double>(bench.clock.nowMicroseconds() - start);
        pagesWritten = bench.chip.pageWritesStored();
    }
    report(state, spent, 20.0);
    state.counters["pages"] = pagesWritten;
}

// Read and compare of the whole chip.
void verifyWholeChip(benchmark::State &state)
{
    const QByteArray image(ChipGeometry::LargeChipSize, '\xFF');
    double spent = 0;
    for (auto _ : state) {
        Bench bench;
        ChipTransfer transfer(bench.bus);
        benchmark::DoNotOptimize(transfer.verify(image).size());
        spent = static_cast<double>(bench.clock.nowMicroseconds());
    }
    report(state, spent, busMilliseconds(ChipGeometry::LargeChipSize));
}

// The same through the USB programmer at 100 kHz, a USB frame a transfer: the write of every
// chip page, and with the reads around it (arg 1), against the programmer's own limit, the bus
// time of 2048 bytes at 100 kHz and 128 busy times.
void writeWholeImageThroughProgrammer(benchmark::State &state)
{
    constexpr int Kilohertz = 100;
    QTemporaryDir dir;
    double spent = 0;
    for (auto _ : state) {
        VirtualChipClock clock;
        SimulatedChip chip(ChipGeometry::LargeChipSize, clock, Kilohertz);
        Ch341aChip bus(ChipGeometry::LargeChipSize, std::make_unique<Ch341aSimulator>(chip, clock), clock, Kilohertz,
            QStringLiteral("bench"));
        spent = timeWholeWrite(bus, clock, state.range(0) == 1, dir.filePath(QStringLiteral("backup.bin")));
    }
    const int pages = ChipGeometry::LargeChipSize / ChipGeometry::PageSize;
    report(
        state, spent, pages * SimulatedChip::BusyMicroseconds / 1000.0 + ChipGeometry::LargeChipSize * 9.0 / Kilohertz);
}
// The same through an adapter of SMBus only (I2C-block transfers, a quick poll), against that
// way's own limit: each chip page one block write of its address, command and 16 bytes, then the
// busy time.
void writeWholeImageThroughSmbus(benchmark::State &state)
{
    QTemporaryDir dir;
    double spent = 0;
    for (auto _ : state) {
        VirtualChipClock clock;
        SimulatedChip chip(ChipGeometry::LargeChipSize, clock, BusKilohertz);
        I2cChip bus(ChipGeometry::LargeChipSize,
            I2cChip::Adapter {I2C_FUNC_SMBUS_QUICK | I2C_FUNC_SMBUS_I2C_BLOCK, {},
                [&chip](int address, i2c_smbus_ioctl_data *call) { return chip.smbus(address, call); }},
            clock, QStringLiteral("bench"));
        spent = timeWholeWrite(bus, clock, state.range(0) == 1, dir.filePath(QStringLiteral("backup.bin")));
    }
    const int pages = ChipGeometry::LargeChipSize / ChipGeometry::PageSize;
    report(state, spent,
        pages * SimulatedChip::BusyMicroseconds / 1000.0 + busMilliseconds(pages * (2 + ChipGeometry::PageSize)));
}
} // namespace

BENCHMARK(writeWholeImageThroughSmbus)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(writeWholeImageThroughProgrammer)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(writeWholeImage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(writeOneLed)->Unit(benchmark::kMicrosecond);
BENCHMARK(verifyWholeChip)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
