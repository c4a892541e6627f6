// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chip/ChipTransfer.h"

#include "chip/ChipAccess.h"
#include "chip/ChipGeometry.h"
#include "common/AppError.h"
#include "common/FileReplacer.h"
#include "common/FolderMaker.h"
#include "common/LocalPath.h"
#include "common/PageRanges.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>

namespace {
constexpr int SlowBusKilohertz = 100;
constexpr int BusyMilliseconds = 5;
// Of a file name's 255 bytes, what the target's part may take; the time and a counter follow.
constexpr int MaxTargetNameBytes = 160;
// Writes to one target in one second, each with a backup of its own: far more than a person or
// a script makes, and a bound for a folder full of names.
constexpr int MaxBackupsASecond = 1000;
} // namespace

int ChipTransfer::Plan::estimatedMilliseconds() const
{
    const int pageBusMicroseconds = (2 + ChipGeometry::PageSize) * 9 * 1000 / SlowBusKilohertz;
    const int readMilliseconds = static_cast<int>(before.size()) * 9 / SlowBusKilohertz;
    return static_cast<int>(chipPages.size()) * (BusyMilliseconds + pageBusMicroseconds / 1000 + 1)
        + 2 * readMilliseconds;
}

QString ChipTransfer::Outcome::summary() const
{
    if (clean)
        return QCoreApplication::translate("ChipTransfer", "The chip holds this image.");
    QStringList sentences;
    if (!error.isEmpty())
        sentences << error;
    else if (cancelled)
        sentences << QCoreApplication::translate("ChipTransfer", "Stopped between two chip pages.");
    if (notReadBack) {
        sentences << QCoreApplication::translate(
            "ChipTransfer", "The chip could not be read back: the pages below are as far as the writes went.");
    }
    if (cancelled || !error.isEmpty()) {
        if (!newPages.isEmpty())
            sentences << QCoreApplication::translate("ChipTransfer", "Pages holding the new image: %1.")
                             .arg(PageRanges::text(newPages));
        if (!oldPages.isEmpty())
            sentences << QCoreApplication::translate("ChipTransfer", "Pages still holding the old one: %1.")
                             .arg(PageRanges::text(oldPages));
        if (!partlyWritten.isEmpty())
            sentences << QCoreApplication::translate("ChipTransfer", "Pages partly written: %1.")
                             .arg(PageRanges::text(partlyWritten));
    }
    if (!stillDiffering.isEmpty())
        sentences << QCoreApplication::translate("ChipTransfer", "Pages that differ from the image: %1.")
                         .arg(PageRanges::text(stillDiffering));
    if (keptOldContents) {
        sentences << QCoreApplication::translate(
            "ChipTransfer", "The chip kept its old contents: is its write-protect pin (WP) high?");
    }
    if (chipSilent) {
        sentences << QCoreApplication::translate("ChipTransfer",
            "Every byte of the chip reads 0xFF: is it answering at all (the clip, the voltage, the chip)?");
    }
    if (!backupPath.isEmpty())
        sentences
            << QCoreApplication::translate("ChipTransfer", "The chip's old contents are kept in %1.").arg(backupPath);
    return sentences.join(QLatin1Char(' '));
}

ChipTransfer::ChipTransfer(ChipAccess &chip, ProgressHandler progress, const std::atomic_bool *cancel)
    : m_chip(chip)
    , m_progress(std::move(progress))
    , m_cancel(cancel)
{
}

void ChipTransfer::report(const QString &step, int done, int total, int chipPage) const
{
    if (m_progress)
        m_progress({step, done, total, chipPage});
}

QByteArray ChipTransfer::readWhole(const QString &step, bool stoppable)
{
    QByteArray bytes;
    const int size = m_chip.size();
    for (int offset = 0; offset < size; offset += ChipGeometry::BlockSize) {
        if (stoppable && m_cancel && m_cancel->load())
            throw AppError(QCoreApplication::translate("ChipTransfer", "Stopped before the whole chip was read."));
        report(step, offset, size, -1);
        bytes += m_chip.read(offset, ChipGeometry::BlockSize);
    }
    report(step, size, size, -1);
    return bytes;
}

QByteArray ChipTransfer::readAll()
{
    return readWhole(QCoreApplication::translate("ChipTransfer", "Reading"), true);
}

void ChipTransfer::checkSize(const QByteArray &image) const
{
    const int size = m_chip.size();
    if (image.size() == size)
        return;
    throw AppError(image.size() < size
            ? QCoreApplication::translate("ChipTransfer",
                "This image holds %1 bytes and the chip %2: a .bin8 image does not go into the 2048-byte chip. "
                "Save it in the 16-bit layout (.bin) first.")
                  .arg(image.size())
                  .arg(size)
            : QCoreApplication::translate("ChipTransfer",
                "This image holds %1 bytes and the chip only %2: save it in the 8-bit layout (.bin8) first.")
                  .arg(image.size())
                  .arg(size));
}

ChipTransfer::Plan ChipTransfer::plan(const QByteArray &image)
{
    checkSize(image);
    const int size = m_chip.size();
    Plan plan;
    plan.before = readAll();
    // A clip that touches now and then reads other bytes each time: such a read is no backup,
    // and nothing is written over what it hid.
    if (readWhole(QCoreApplication::translate("ChipTransfer", "Reading again"), true) != plan.before) {
        throw AppError(QCoreApplication::translate(
            "ChipTransfer", "The two reads of the chip differ: check the clip. Nothing was written."));
    }
    plan.chipPages = ChipGeometry::differingPages(plan.before, image);
    plan.effectPages = ChipGeometry::effectPagesOf(plan.chipPages, size);
    return plan;
}

void ChipTransfer::sortPages(const Plan &plan, const QByteArray &image, const QByteArray &now, Outcome &outcome) const
{
    // A chip that does not answer reads as the pulled-up bus: 0xFF everywhere.
    outcome.chipSilent = now != image && now.count('\xFF') == now.size();
    const int size = m_chip.size();
    outcome.stillDiffering = ChipGeometry::effectPagesOf(ChipGeometry::differingPages(now, image), size);
    const QList<int> changed = ChipGeometry::effectPagesOf(ChipGeometry::differingPages(now, plan.before), size);
    // Writes the chip acknowledged and forgot, on every page: its write protection is on.
    outcome.keptOldContents = !outcome.notReadBack && !plan.chipPages.isEmpty() && now != image
        && std::all_of(plan.chipPages.begin(), plan.chipPages.end(), [&](int chipPage) {
               const int offset = chipPage * ChipGeometry::PageSize;
               return now.mid(offset, ChipGeometry::PageSize) == plan.before.mid(offset, ChipGeometry::PageSize);
           });
    for (const int page : plan.effectPages) {
        if (!outcome.stillDiffering.contains(page))
            outcome.newPages << page;
        else if (!changed.contains(page))
            outcome.oldPages << page;
        else
            outcome.partlyWritten << page;
    }
}

ChipTransfer::Outcome ChipTransfer::write(const Plan &plan, const QByteArray &image, const QString &backupPath)
{
    Outcome outcome;
    if (plan.chipPages.isEmpty()) { // nothing to write, and the chip was read just now
        outcome.clean = plan.before == image;
        outcome.held = plan.before;
        return outcome;
    }
    outcome.backupPath = keepBackup(backupPath, plan.before);
    QByteArray believed = plan.before; // what the chip holds as far as the writes went
    QByteArray readBack;
    try {
        QList<int> pages = plan.chipPages;
        // The planned pages, then once more every page that read back wrong.
        for (int attempt = 0; attempt < 2 && !pages.isEmpty() && !outcome.cancelled; ++attempt) {
            const int total = static_cast<int>(pages.size()) * ChipGeometry::PageSize;
            for (qsizetype i = 0; i < pages.size(); ++i) {
                if (m_cancel && m_cancel->load()) {
                    outcome.cancelled = true;
                    break;
                }
                const int offset = pages.at(i) * ChipGeometry::PageSize;
                report(QCoreApplication::translate("ChipTransfer", "Writing"),
                    static_cast<int>(i) * ChipGeometry::PageSize, total, pages.at(i));
                const QByteArray page = image.mid(offset, ChipGeometry::PageSize);
                m_chip.writePage(offset, page);
                believed.replace(offset, ChipGeometry::PageSize, page);
            }
            readBack = readWhole(QCoreApplication::translate("ChipTransfer", "Reading back"), false);
            pages = ChipGeometry::differingPages(readBack, image);
        }
        outcome.clean = !outcome.cancelled && readBack == image;
    } catch (const AppError &error) {
        outcome.error = error.message();
        try {
            readBack = readWhole(QCoreApplication::translate("ChipTransfer", "Reading back"), false);
        } catch (const AppError &) {
            readBack = believed; // the chip is gone: as far as the writes went
            outcome.notReadBack = true;
        }
    }
    sortPages(plan, image, readBack, outcome);
    outcome.held = readBack;
    return outcome;
}

QString ChipTransfer::suspectReading(const ChipAccess &chip, const QByteArray &bytes)
{
    if (chip.acknowledgesReliably() || bytes.isEmpty())
        return {};
    for (const char uniform : {'\xFF', '\0'}) {
        if (bytes.count(uniform) == bytes.size()) {
            return QCoreApplication::translate("ChipTransfer",
                "Every byte of the chip reads 0x%1. The programmer cannot tell an erased chip from a missing one: "
                "check the clip, the chip and its voltage before trusting these bytes.")
                .arg(QStringLiteral("%1").arg(static_cast<unsigned char>(uniform), 2, 16, QLatin1Char('0')).toUpper());
        }
    }
    // A smaller part answers the upper addresses with its own bytes again.
    const qsizetype half = bytes.size() / 2;
    if (bytes.size() == ChipGeometry::LargeChipSize && bytes.first(half) == bytes.last(half)) {
        return QCoreApplication::translate("ChipTransfer",
            "The chip's upper half repeats its lower half byte for byte: it is probably a 1024-byte part "
            "(ch341a?size=1024).");
    }
    return {};
}

QList<int> ChipTransfer::verify(const QByteArray &image)
{
    checkSize(image);
    return differingEffectPages(readAll(), image);
}

QList<int> ChipTransfer::differingEffectPages(const QByteArray &chip, const QByteArray &image)
{
    return ChipGeometry::effectPagesOf(ChipGeometry::differingPages(chip, image), static_cast<int>(chip.size()));
}

QString ChipTransfer::backupPath(const QString &dataHome, const QString &target, const QDateTime &time)
{
    // The target's bytes as the system holds them, each one no file name may hold made "_".
    const QByteArray bytes = LocalPath::encode(target);
    QByteArray name = bytes;
    bool lossy = false; // bytes beyond "/" and ":" made "_": targets may then share a name
    for (char &byte : name) {
        const auto code = static_cast<unsigned char>(byte);
        if (byte == '/' || byte == ':') {
            byte = '_';
        } else if (code < 0x20 || code >= 0x7F) {
            byte = '_';
            lossy = true;
        }
    }
    // A long target keeps its last bytes, which tell targets apart best; a hash of the whole
    // then keeps the name within what a file system takes and still this target's alone.
    if (lossy || name.size() > MaxTargetNameBytes) {
        const QByteArray hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(12);
        name = hash + '-' + name.right(MaxTargetNameBytes - 13);
    }
    return QStringLiteral("%1/Glimmerview/backups/%2-%3.bin")
        .arg(dataHome, QString::fromLatin1(name), time.toString(QStringLiteral("yyyyMMdd-HHmmss")));
}

QString ChipTransfer::keepBackup(const QString &wantedPath, const QByteArray &bytes)
{
    const QString folder = QFileInfo(wantedPath).path();
    const auto refuse = [&](const QString &path, int error) {
        return AppError(QCoreApplication::translate(
            "ChipTransfer", "The backup %1 cannot be written (%2); nothing was written to the chip.")
                            .arg(LocalPath::displayed(path), systemErrorText(error)));
    };
    if (const int error = FolderMaker::make(folder); error != 0)
        throw refuse(folder, error);
    // Created, never replaced: a write run again at once keeps the first backup beside its own.
    const QString stem = wantedPath.chopped(4); // ".bin"
    for (int count = 1;; ++count) {
        const QString path = count == 1 ? wantedPath : QStringLiteral("%1-%2.bin").arg(stem).arg(count);
        const int error = FileReplacer::createNew(path, bytes);
        if (error == 0)
            return path;
        if (error != EEXIST || count == MaxBackupsASecond)
            throw refuse(path, error);
    }
}
