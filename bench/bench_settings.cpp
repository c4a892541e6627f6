// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// A settings file grown large by hand (100 MB of notes in the program's own section): the reads
// of a start, and the save of a close, with the peak memory each takes beyond what was held
// before, as a multiple of the file's size.
#include "common/ProgramTexts.h"
#include "settings/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <string>

namespace {
constexpr qint64 FileSize = 100 * 1024 * 1024;

// The keys the window's settings read and write.
QStringList programKeys()
{
    QStringList keys {QStringLiteral("FormVersion"), QStringLiteral("Flags"), QStringLiteral("ShowCmd"),
        QStringLiteral("PixelsPerInch"), QStringLiteral("MinMaxPos(1024x768)"), QStringLiteral("NormPos(1024x768)"),
        QStringLiteral("MinMaxPos"), QStringLiteral("NormPos"), QStringLiteral("Visible"),
        QStringLiteral("OpenDialog_DefaultExt"), QStringLiteral("TrackBar1_Position"),
        QStringLiteral("OpenDialog_InitialDir")};
    for (int k = 1; k <= 17; ++k)
        keys << QStringLiteral("led_col%1").arg(k);
    return keys;
}

QString writeLargeFile(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("Glimmerview.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write("[TForm1]\r\nFormVersion=1\r\nFlags=0\r\nShowCmd=1\r\nPixelsPerInch=96\r\n"
               "MinMaxPos=-1,-1,-1,-1\r\nNormPos=100,100,675,676\r\nVisible=0\r\n");
    for (int k = 1; k <= 17; ++k)
        file.write(QStringLiteral("led_col%1=%2\r\n").arg(k).arg(k % 4 + 1).toUtf8());
    for (qint64 n = 0; file.size() < FileSize; ++n)
        file.write(QStringLiteral("Note%1=written by hand, kept as it is\r\n").arg(n).toUtf8());
    file.write("[Other]\r\nkey=value\r\n");
    return path;
}

qint64 statusKilobytes(const char *field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field, 0) == 0)
            return std::stoll(line.substr(std::string(field).size()));
    }
    return -1;
}

// Peak resident memory beyond what the process held at the start, in units of the file's size.
struct PeakMemory
{
    qint64 before = 0;
    PeakMemory()
    {
        std::ofstream("/proc/self/clear_refs") << "5"; // the peak starts again from here
        before = statusKilobytes("VmRSS:");
    }
    double timesFileSize() const { return double(statusKilobytes("VmHWM:") - before) * 1024 / double(FileSize); }
};

// The large file in a folder of its own, and what the program asks of it.
struct LargeSettings
{
    QTemporaryDir dir;
    QString path = writeLargeFile(dir);
    QStringList keys = programKeys();
    QString section = QString::fromUtf8(Texts::SettingsSection);
};

void startReads(benchmark::State &state)
{
    const LargeSettings large;
    const auto &[dir, path, keys, section] = large;
    double peak = 0;
    for (auto _ : state) {
        const PeakMemory memory;
        IniFile ini(path);
        ini.holdBetweenPasses(true); // as a start does
        for (int pass = 0; pass < 3; ++pass) { // restored twice and the stored values read once
            ini.beginPass();
            for (const QString &key : keys)
                benchmark::DoNotOptimize(ini.readString(section, key, QString()));
            ini.endPass();
        }
        ini.holdBetweenPasses(false);
        peak = std::max(peak, memory.timesFileSize());
    }
    state.counters["peak_x_file"] = peak;
}

void closeSave(benchmark::State &state)
{
    const LargeSettings large;
    const auto &[dir, path, keys, section] = large;
    double peak = 0;
    int round = 0;
    for (auto _ : state) {
        const PeakMemory memory;
        IniFile ini(path);
        ini.beginPass();
        for (const QString &key : keys) {
            benchmark::DoNotOptimize(ini.readString(section, key, QString()));
            ini.writeString(section, key, QString::number(++round % 5));
        }
        ini.endPass();
        peak = std::max(peak, memory.timesFileSize());
    }
    state.counters["peak_x_file"] = peak;
}
} // namespace

BENCHMARK(startReads)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(closeSave)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
