// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// The station on simulated sockets: one chip on one lane, one chip on each of four lanes at once
// (the target: at most 1.3 times one lane's time), and the same chip written straight through
// the transfer, without the station (its share: under 5 % beyond the write and the read-back).
#include "chip/ChipTargets.h"
#include "chip/ChipTransfer.h"
#include "station/Station.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
const QByteArray Image(2048, '\x5A');

void putErasedChips(const QTemporaryDir &folder, int lanes)
{
    for (int lane = 1; lane <= lanes; ++lane) {
        QFile chip(folder.filePath(QStringLiteral("socket%1").arg(lane)));
        chip.open(QIODevice::WriteOnly);
        chip.write(QByteArray(2048, '\xFF'));
    }
}

void stationLanes(benchmark::State &state)
{
    const int lanes = static_cast<int>(state.range(0));
    QTemporaryDir folder;
    QStringList targets;
    for (int lane = 1; lane <= lanes; ++lane)
        targets << QStringLiteral("sim:") + folder.filePath(QStringLiteral("socket%1").arg(lane));
    ProductionLog log(folder.filePath(QStringLiteral("log.csv")));
    for (auto _ : state) {
        state.PauseTiming();
        putErasedChips(folder, lanes);
        Station station({targets, Image, QStringLiteral("image.bin"), folder.filePath(QStringLiteral("data")), lanes,
                            std::chrono::milliseconds(5)},
            log, {});
        state.ResumeTiming();
        station.start();
        station.wait();
        if (station.passed() != lanes)
            state.SkipWithError("a chip failed");
    }
}

void transferAlone(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString target = QStringLiteral("sim:") + folder.filePath(QStringLiteral("socket1"));
    for (auto _ : state) {
        state.PauseTiming();
        putErasedChips(folder, 1);
        state.ResumeTiming();
        const std::unique_ptr<ChipAccess> chip = ChipTargets::open(target, true);
        ChipTransfer transfer(*chip);
        const ChipTransfer::Plan plan = transfer.plan(Image);
        if (!transfer.write(plan, Image, folder.filePath(QStringLiteral("backup.bin"))).clean)
            state.SkipWithError("the chip failed");
    }
}
} // namespace

BENCHMARK(stationLanes)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(transferAlone)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
