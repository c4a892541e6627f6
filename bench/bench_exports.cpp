// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// Each export of a whole image, and a 16x1024 picture read and turned into rows.
#include "common/ColourSettings.h"
#include "exporting/Exports.h"
#include "generate/Generators.h"
#include "picture/PictureImport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {
const char *const Kinds[] = {"gif", "gif-pages", "hex", "srec", "c"};

void exportWholeImage(benchmark::State &state)
{
    const EffectImage image = Generators::make(QStringLiteral("sparkle"), {QStringLiteral("density=30")}, 16);
    const QString kind = QString::fromLatin1(Kinds[state.range(0)]);
    for (auto _ : state) {
        const QByteArray bytes
            = Exports::make(kind, image, ImageLayout::Bits16, {}, ColourSettings(), QStringLiteral("effect.out"));
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetLabel(Kinds[state.range(0)]);
}

// A PNG strip of the string's width and the image's 1024 rows, read and turned into rows.
void importTallStrip(benchmark::State &state)
{
    QImage strip(16, 1024, QImage::Format_RGB32);
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            strip.setPixel(x, y, qRgb((x * 37 + y * 11) & 255, y & 255, 128));
    QByteArray png;
    QBuffer out(&png);
    out.open(QIODevice::WriteOnly);
    strip.save(&out, "PNG");
    for (auto _ : state) {
        QBuffer in(&png);
        in.open(QIODevice::ReadOnly);
        const QList<RowTools::Frame> rows
            = PictureImport::rows(PictureImport::read(in), {QStringLiteral("dither=diffusion")}, 16);
        benchmark::DoNotOptimize(rows.constData());
    }
}
} // namespace

BENCHMARK(exportWholeImage)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(importTallStrip)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv); // where Qt finds its picture readers
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
