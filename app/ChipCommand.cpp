// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "app/ChipCommand.h"

#include "chip/ChipAccess.h"
#include "chip/ChipTargets.h"
#include "chip/ChipTransfer.h"
#include "common/AppError.h"
#include "common/FileReplacer.h"
#include "common/LocalPath.h"
#include "common/XdgFolders.h"
#include "compare/ImageComparison.h"
#include "effect/ImageDecoder.h"
#include "effect/ImageEncoder.h"
#include "effect/ImageFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <cstdio>

namespace {
// The file's image in the layout it was read in: what goes into a chip of that size.
QByteArray imageBytes(const QString &path)
{
    EffectImage image;
    const ImageLayout layout = ImageFile::load(path, image);
    return ImageEncoder::encode(image, layout);
}

void showProgress(const ChipTransfer::Progress &progress)
{
    if (progress.chipPage >= 0)
        std::fprintf(stderr, "%s",
            qPrintable(QCoreApplication::translate("ChipCommand", "%1 chip page %2, %3 of %4 bytes\n")
                           .arg(progress.step)
                           .arg(progress.chipPage)
                           .arg(progress.done)
                           .arg(progress.total)));
    else if (progress.done == progress.total)
        std::fprintf(stderr, "%s",
            qPrintable(
                QCoreApplication::translate("ChipCommand", "%1: %2 bytes\n").arg(progress.step).arg(progress.total)));
}

int verify(ChipTransfer &transfer, const QByteArray &image, int chipSize)
{
    transfer.checkSize(image);
    EffectImage wanted;
    EffectImage held;
    ImageDecoder::decode(image, ImageDecoder::layoutForChipSize(chipSize), wanted);
    ImageDecoder::decode(transfer.readAll(), ImageDecoder::layoutForChipSize(chipSize), held);
    const ImageComparison comparison = ImageComparison::of(held, wanted);
    for (const QString &line : comparison.rowReport())
        std::printf("%s\n", qPrintable(line));
    std::printf("%s\n",
        qPrintable(comparison.isSame() ? QCoreApplication::translate("ChipCommand", "The chip holds this image.")
                                       : comparison.summary({})));
    return comparison.isSame() ? 0 : 1;
}

int write(ChipTransfer &transfer, const QByteArray &image, const QString &target)
{
    const ChipTransfer::Plan plan = transfer.plan(image);
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
            qPrintable(
                QCoreApplication::translate("ChipCommand", "Backup of the chip's old contents: %1").arg(backup)));
    std::fprintf(outcome.clean ? stdout : stderr, "%s\n", qPrintable(outcome.summary()));
    return outcome.clean ? 0 : 2;
}
} // namespace

namespace ChipCommand {

int run(const QString &target, Action action, const QString &file)
{
    try {
        // The image first: a file that cannot be read touches no chip.
        const QByteArray image = action == Action::Read ? QByteArray() : imageBytes(file);
        const std::unique_ptr<ChipAccess> chip = ChipTargets::open(target, action == Action::Write);
        ChipTransfer transfer(*chip, showProgress);
        switch (action) {
        case Action::Read: {
            QString reason;
            if (!FileReplacer::replace(file, transfer.readAll(), &reason))
                throw AppError(QCoreApplication::translate("ChipCommand", "%1 cannot be written: %2")
                                   .arg(LocalPath::displayed(file), reason));
            return 0;
        }
        case Action::Write:
            return write(transfer, image, target);
        case Action::Verify:
            return verify(transfer, image, chip->size());
        }
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
    }
    return 2;
}

int listChips()
{
    for (const ChipTargets::Found &found : ChipTargets::list())
        std::printf("%s\t%s\n", qPrintable(found.target), qPrintable(found.description));
    return 0;
}

} // namespace ChipCommand
