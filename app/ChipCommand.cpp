// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "app/ChipCommand.h"

#include "chip/ChipAccess.h"
#include "chip/ChipTargets.h"
#include "chip/ChipTransfer.h"
#include "common/AppError.h"
#include "common/FileReplacer.h"
#include "common/LocalPath.h"
#include "common/PageRanges.h"
#include "common/XdgFolders.h"
#include "compare/ImageComparison.h"
#include "effect/ImageDecoder.h"
#include "effect/ImageEncoder.h"
#include "effect/ImageReader.h"

#include <QCoreApplication>
#include <QDateTime>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {
// The chip's bytes in the layout the file's name says. A 1024-byte chip goes into a .bin file
// with the right half of each row off; a 2048-byte chip into a .bin8 file only when the right
// halves are all off, as nothing is then lost.
QByteArray inFileLayout(const QByteArray &chip, const QString &path)
{
    const ImageLayout wanted = ImageDecoder::layoutForPath(path);
    const ImageLayout held = ImageDecoder::layoutForChipSize(chip.size());
    if (wanted == held)
        return chip;
    EffectImage image;
    ImageDecoder::decode(chip, held, image);
    if (const QList<int> lost = ImageEncoder::rightHalfLitPages(image);
        wanted == ImageLayout::Bits8 && !lost.isEmpty()) {
        throw AppError(QCoreApplication::translate("ChipCommand",
            "The chip has LEDs lit in the right half of a row on page %1, which a .bin8 file cannot hold: "
            "read it into a .bin file. Nothing was written.")
                           .arg(PageRanges::text(lost)));
    }
    return ImageEncoder::encode(image, wanted);
}

// On a terminal, one line that follows the work in place; in a script's log, each step once.
void showProgress(const ChipTransfer::Progress &progress)
{
    static QString shownStep;
    if (::isatty(STDERR_FILENO)) {
        const int percent = progress.total > 0 ? progress.done * 100 / progress.total : 100;
        std::fprintf(stderr, "\r\033[K%s", // back to the line's start, the line cleared
            qPrintable(QCoreApplication::translate("ChipCommand", "%1: %2 of %3 bytes (%4%)")
                           .arg(progress.step)
                           .arg(progress.done)
                           .arg(progress.total)
                           .arg(percent)));
        if (progress.done == progress.total)
            std::fputc('\n', stderr);
        return;
    }
    if (progress.step == shownStep)
        return;
    shownStep = progress.step;
    std::fprintf(stderr, "%s\n",
        qPrintable(QCoreApplication::translate("ChipCommand", "%1: %2 bytes").arg(progress.step).arg(progress.total)));
}

// Bytes that this way to the chip cannot vouch for, said on standard error.
void warnOfSuspectReading(const ChipAccess &chip, const QByteArray &bytes)
{
    if (const QString warning = ChipTransfer::suspectReading(chip, bytes); !warning.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(warning));
}

// The image against the chip LED for LED, whatever layout each is in: an 8-LED chip holds the
// left half of each row, and a file whose right half is off matches it.
int verify(ChipTransfer &transfer, const ChipAccess &chip, const QByteArray &image, const QString &path)
{
    EffectImage wanted;
    EffectImage held;
    ImageDecoder::decode(image, ImageDecoder::layoutForPath(path), wanted);
    const ImageLayout chipLayout = ImageDecoder::layoutForChipSize(chip.size());
    if (const QList<int> lost = ImageEncoder::rightHalfLitPages(wanted);
        chipLayout == ImageLayout::Bits8 && !lost.isEmpty()) {
        std::printf("%s\n",
            qPrintable(QCoreApplication::translate("ChipCommand",
                "The chip holds 8 LEDs a row: the LEDs lit in the right half of page %1 cannot be in it.")
                           .arg(PageRanges::text(lost))));
        return 1;
    }
    const QByteArray bytes = transfer.readAll();
    warnOfSuspectReading(chip, bytes);
    ImageDecoder::decode(bytes, chipLayout, held);
    const ImageComparison comparison = ImageComparison::of(held, wanted);
    for (const QString &line : comparison.rowReport())
        std::printf("%s\n", qPrintable(line));
    std::printf("%s\n",
        qPrintable(comparison.isSame() ? QCoreApplication::translate("ChipCommand", "The chip holds this image.")
                                       : comparison.summary({})));
    return comparison.isSame() ? 0 : 1;
}

int write(ChipTransfer &transfer, const ChipAccess &chip, const QByteArray &image, const QString &target)
{
    const ChipTransfer::Plan plan = transfer.plan(image);
    warnOfSuspectReading(chip, plan.before);
    std::fprintf(stderr, "%s\n",
        qPrintable(
            QCoreApplication::translate("ChipCommand", "%1 chip pages to write (%2 bytes), pages that change: %3")
                .arg(plan.chipPages.size())
                .arg(plan.bytes())
                .arg(plan.effectPages.isEmpty() ? QCoreApplication::translate("ChipCommand", "none")
                                                : QString::number(plan.effectPages.size()))));
    const QString backup = ChipTransfer::backupPath(XdgFolders::dataHome(), target, QDateTime::currentDateTime());
    const ChipTransfer::Outcome outcome = transfer.write(plan, image, backup);
    if (!outcome.backupPath.isEmpty())
        std::fprintf(stderr, "%s\n",
            qPrintable(QCoreApplication::translate("ChipCommand", "Backup of the chip's old contents: %1")
                           .arg(LocalPath::displayed(outcome.backupPath))));
    std::fprintf(outcome.clean ? stdout : stderr, "%s\n", qPrintable(outcome.summary()));
    return outcome.clean ? 0 : 2;
}

// Set by Ctrl+C, a kill or a hang-up: the work stops at the next chip page and says what the chip
// then holds. A second signal ends the program at once.
std::atomic_bool stopRequested = false;
static_assert(std::atomic_bool::is_always_lock_free, "set from a signal handler");

void requestStop(int)
{
    stopRequested = true;
}

void stopOnTerminationSignals()
{
    struct sigaction action
    {
    };
    action.sa_handler = requestStop;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}
} // namespace

namespace ChipCommand {

// The file's bytes, which go into the chip as they are: exactly its layout's count, or refused
// before any chip is touched. (Shown in the window, a short file reads as off; put into a chip,
// an empty file or /etc/passwd would erase it.)
QByteArray imageBytes(const QString &path)
{
    const ImageLayout layout = ImageDecoder::layoutForPath(path);
    const qsizetype expected = ImageDecoder::byteCount(layout);
    const QByteArray bytes = ImageReader::readHead(path, expected + 1);
    if (bytes.size() == expected)
        return bytes;
    const QString held = bytes.size() > expected
        ? QCoreApplication::translate("ChipCommand", "more than %1 bytes").arg(expected)
        : QCoreApplication::translate("ChipCommand", "%1 bytes").arg(bytes.size());
    throw AppError(QCoreApplication::translate("ChipCommand",
        "%1 holds %2, and an image for the chip holds exactly %3 (.bin and .bin16: 2048 bytes, two a row; "
        ".bin8: 1024, one a row). Nothing was touched.")
                       .arg(LocalPath::displayed(path), held)
                       .arg(expected));
}

int run(const QString &target, Action action, const QString &file)
{
    try {
        // The image first: a file that cannot be read touches no chip.
        const QByteArray image = action == Action::Read ? QByteArray() : imageBytes(file);
        const std::unique_ptr<ChipAccess> chip = ChipTargets::open(target, action == Action::Write);
        stopOnTerminationSignals();
        ChipTransfer transfer(*chip, showProgress, &stopRequested);
        switch (action) {
        case Action::Read: {
            const QByteArray bytes = transfer.readAll();
            warnOfSuspectReading(*chip, bytes);
            QString reason;
            if (!FileReplacer::replace(file, inFileLayout(bytes, file), &reason))
                throw AppError(QCoreApplication::translate("ChipCommand", "%1 cannot be written: %2")
                                   .arg(LocalPath::displayed(file), reason));
            return 0;
        }
        case Action::Write:
            return write(transfer, *chip, image, target);
        case Action::Verify:
            return verify(transfer, *chip, image, file);
        }
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
    }
    return 2;
}

int listChips()
{
    const QList<ChipTargets::Found> found = ChipTargets::list();
    for (const ChipTargets::Found &chip : found)
        std::printf("%s\t%s\n", qPrintable(chip.target), qPrintable(chip.description));
    // Nothing printed would read as "nothing to see" as much as "nothing looked".
    if (found.isEmpty()) {
        std::fprintf(stderr, "%s\n",
            qPrintable(QCoreApplication::translate("ChipCommand",
                "No chip was found. Looked for EEPROM files in /sys/bus/nvmem/devices and /sys/bus/i2c/devices, "
                "for I2C adapters as /dev/i2c-N, and for CH341A programmers on USB. A simulated chip needs no "
                "search: sim:FILE.")));
    }
    return 0;
}

} // namespace ChipCommand
