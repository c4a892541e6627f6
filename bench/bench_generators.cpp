// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// Each generator over the whole image (1024 rows), as --generate makes it: the target is under
// 5 ms.
#include "generate/Generators.h"

#include <benchmark/benchmark.h>

namespace {
void generateWholeImage(benchmark::State &state)
{
    const Generators::Kind &kind = Generators::kinds().at(state.range(0));
    state.SetLabel(kind.name);
    for (auto _ : state)
        benchmark::DoNotOptimize(Generators::make(QString::fromLatin1(kind.name), {}, 16));
}
} // namespace

BENCHMARK(generateWholeImage)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
