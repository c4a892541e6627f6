// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// Comparing two images in memory, and --compare of two files as a whole process beside
// --version, the cost of starting the program at all.
#include "compare/ImageComparison.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
void compareInMemory(benchmark::State &state)
{
    EffectImage image;
    EffectImage reference;
    image.fillAllPagesOff();
    reference.fillAllPagesOff();
    for (int page = 1; page <= EffectImage::PageCount; page += 3) // a third of the pages differ
        reference.setSlotEntry(page, page % EffectImage::LedsPerPage, EffectImage::On);
    for (auto _ : state)
        benchmark::DoNotOptimize(ImageComparison::of(image, reference).differingLeds());
}

void runProgram(benchmark::State &state, const QStringList &arguments)
{
    QTemporaryDir dir;
    for (const char *name : {"a.bin", "b.bin"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(2048, name[0] == 'a' ? '\xFF' : '\xFE'));
    }
    for (auto _ : state) {
        QProcess program;
        program.setWorkingDirectory(dir.path());
        program.start(QStringLiteral(GLIMMERVIEW_BINARY), arguments);
        program.waitForFinished(-1);
    }
}

void versionProcess(benchmark::State &state)
{
    runProgram(state, {QStringLiteral("--version")});
}

void compareProcess(benchmark::State &state)
{
    runProgram(state, {QStringLiteral("--compare"), QStringLiteral("a.bin"), QStringLiteral("b.bin")});
}
} // namespace

BENCHMARK(compareInMemory)->Unit(benchmark::kMicrosecond);
BENCHMARK(versionProcess)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(compareProcess)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK_MAIN();
