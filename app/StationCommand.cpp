// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "app/StationCommand.h"

#include "app/ChipCommand.h"
#include "chip/ChipTargets.h"
#include "chip/ChipTransfer.h"
#include "common/AppError.h"
#include "common/LocalPath.h"
#include "common/XdgFolders.h"
#include "station/Station.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMutex>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <unistd.h>

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("StationCommand", text);
}

std::atomic_bool interrupted = false;
static_assert(std::atomic_bool::is_always_lock_free, "set from a signal handler");

void interrupt(int)
{
    interrupted = true;
}
} // namespace

namespace StationCommand {

int run(const QStringList &targets, const QString &file, const QString &master, const QString &log, int count)
{
    std::unique_ptr<ProductionLog> record;
    Station::Settings settings;
    try {
        // Everything is checked before a chip is touched.
        Station::checkTargets(targets);
        if (master.isEmpty()) {
            settings.image = ChipCommand::imageBytes(file);
            settings.imageFile = QFileInfo(file).fileName();
        } else { // clone mode: the master chip's bytes are the image
            ChipTargets::checkForm(master);
            if (targets.contains(master))
                throw AppError(tr("The master chip %1 cannot be a lane too.").arg(LocalPath::displayed(master)));
            const std::unique_ptr<ChipAccess> chip = ChipTargets::open(master, false);
            settings.image = ChipTransfer(*chip).readAll();
            settings.imageFile = tr("master %1").arg(master);
            std::fprintf(stderr, "%s\n",
                qPrintable(tr("The image: the master chip %1, SHA-256 %2")
                               .arg(LocalPath::displayed(master), Station::sha256(settings.image))));
        }
        settings.targets = targets;
        settings.dataHome = XdgFolders::dataHome();
        settings.count = count;
        record = std::make_unique<ProductionLog>(log);
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 2;
    }
    QMutex printing;
    Station station(settings, *record, [&printing](const Station::Result &result) {
        const QMutexLocker locked(&printing);
        const QString line = result.passed
            ? tr("lane %1 %2: PASS, %3 chip pages written, %4 ms")
                  .arg(result.lane)
                  .arg(LocalPath::displayed(result.target))
                  .arg(result.entry.chipPagesWritten)
                  .arg(result.entry.milliseconds)
            : tr("lane %1 %2: FAIL: %3").arg(result.lane).arg(LocalPath::displayed(result.target), result.reason);
        std::printf("%s\n", qPrintable(line));
        std::fflush(stdout);
    });
    bool anyUnsensed = false;
    for (int lane = 1; lane <= targets.size(); ++lane) {
        if (!station.sensesChips(lane)) {
            anyUnsensed = true;
            std::fprintf(stderr, "%s\n",
                qPrintable(tr("Lane %1 cannot sense a chip: press Enter when each chip is in.").arg(lane)));
        }
    }
    struct sigaction action
    {
    };
    action.sa_handler = interrupt;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
    station.start();
    while (!station.finished() && !interrupted) {
        pollfd input {STDIN_FILENO, POLLIN, 0};
        if (anyUnsensed && ::poll(&input, 1, 100) > 0) {
            char line[256];
            if (::read(STDIN_FILENO, line, sizeof line) > 0)
                station.confirmChips();
        } else {
            ::usleep(100 * 1000);
        }
    }
    station.stop();
    station.wait();
    const int chips = station.passed() + station.failed();
    std::printf("%s\n",
        qPrintable(tr("Chips: %1, passed: %2, failed: %3, yield: %4%.")
                       .arg(chips)
                       .arg(station.passed())
                       .arg(station.failed())
                       .arg(chips > 0 ? station.passed() * 100 / chips : 0)));
    if (const QString reason = station.stoppedFor(); !reason.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(reason));
        return 2;
    }
    return station.failed() > 0 ? 1 : 0;
}

} // namespace StationCommand
