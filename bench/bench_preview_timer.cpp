// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// How exactly the preview rows come: the real main window plays single-page preview at the
// fastest (50 ms) and the slowest (1000 ms) clock; each tick is stamped as the tick handler is
// entered. Prints the mean period and how many ticks came within 1 ms of their schedule (the
// first tick's time plus k intervals). Run in an X server (scripts/bench).
#include "common/DesktopEnvironment.h"
#include "mainwindow/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {
struct Figures
{
    double meanPeriodMs;
    double withinOneMs; // share of ticks
    double worstMs;
};

Figures measure(MainWindow &form, int sliderPosition, int ticks)
{
    auto *slider = form.findChild<QSlider *>(QStringLiteral("clockSlider"));
    auto *single = form.findChild<QCheckBox *>(QStringLiteral("singlePageBox"));
    slider->setValue(sliderPosition);
    const double interval = form.previewTimer()->interval();

    // Stamp first, then the handler itself: the stamp is the handler's entry.
    QObject::disconnect(form.previewTimer(), &QTimer::timeout, nullptr, nullptr);
    std::vector<qint64> stamps;
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QObject::connect(form.previewTimer(), &QTimer::timeout, &loop, [&] {
        stamps.push_back(clock.nsecsElapsed());
        if (static_cast<int>(stamps.size()) == ticks)
            loop.quit();
    });
    // The timer's own handler, the preview's tick, after the stamp.
    QObject::connect(form.previewTimer(), &QTimer::timeout, form.previewTimer()->parent(),
        [&form] { QMetaObject::invokeMethod(form.previewTimer()->parent(), "tick", Qt::DirectConnection); });
    single->click();
    loop.exec();
    single->click();

    Figures figures {};
    figures.meanPeriodMs = (stamps.back() - stamps.front()) / 1e6 / (ticks - 1);
    int within = 0;
    for (int k = 0; k < ticks; ++k) {
        const double offset = (stamps[static_cast<std::size_t>(k)] - stamps.front()) / 1e6 - k * interval;
        within += std::abs(offset) <= 1.0 ? 1 : 0;
        figures.worstMs = std::max(figures.worstMs, std::abs(offset));
    }
    figures.withinOneMs = static_cast<double>(within) / ticks;
    return figures;
}

void report(const char *name, double interval, const Figures &f)
{
    std::printf(
        "%s: mean period %.4f ms (%+.3f%% of %.0f ms), %.1f%% of ticks within +-1 ms of schedule, worst %.3f ms\n",
        name, f.meanPeriodMs, 100.0 * (f.meanPeriodMs - interval) / interval, interval, 100.0 * f.withinOneMs,
        f.worstMs);
}
} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    MainWindow form(std::make_shared<DesktopEnvironment>());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    report("400 ticks at 50 ms", 50, measure(form, 1, 400));
    report("20 ticks at 1000 ms", 1000, measure(form, 20, 20));
    return 0;
}
