// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <atomic>
#include <functional>

class ChipAccess;

// Reading, writing and verifying a whole chip, for the window and the command line alike: a
// write reads the chip first, keeps its old bytes as a backup, writes only the 16-byte chip pages
// that differ, reads the whole chip back and compares; a page that reads back wrong is written
// once more. Success is reported only after a clean comparison. Knows no backend and no window.
class ChipTransfer
{
public:
    struct Progress
    {
        QString step; // "Reading", "Writing", "Reading back"
        int done; // bytes
        int total;
        int chipPage; // the chip page being done, from 0; -1 while reading
    };
    using ProgressHandler = std::function<void(const Progress &)>;

    // What a write will do, worked out from the chip's present bytes.
    struct Plan
    {
        QByteArray before;
        QList<int> chipPages; // to write, from 0
        QList<int> effectPages; // that will change, from 1
        int bytes() const { return static_cast<int>(chipPages.size()) * 16; }
        // A generous estimate at 100 kHz: each page's busy time and bus time, two whole reads.
        int estimatedMilliseconds() const;
    };

    struct Outcome
    {
        bool clean = false; // the chip read back equal to the image
        bool cancelled = false;
        QString error; // why the write stopped, if it did
        QList<int> newPages; // effect pages that now hold the image where they were to change
        QList<int> oldPages; // effect pages still holding their old bytes
        QList<int> partlyWritten; // effect pages holding some of each
        QList<int> stillDiffering; // effect pages that differ from the image after all attempts
        QString backupPath;
        bool chipSilent = false; // the chip read 0xFF everywhere after the write
        bool keptOldContents = false; // every page written reads back as it was: write protection
        bool notReadBack = false; // the pages are sorted by the writes sent, not by a read-back
        QByteArray held; // the chip's bytes at the end: read back, or as far as the writes went
        // One sentence for the user: the result, or what is where after a stop.
        QString summary() const;
    };

    // `cancel` (may be null) is looked at between two chip pages.
    explicit ChipTransfer(ChipAccess &chip, ProgressHandler progress = {}, const std::atomic_bool *cancel = nullptr);

    // Throws AppError, also when stopped.
    QByteArray readAll();
    // Throws AppError, saying what to do, for an image that is not the chip's size.
    void checkSize(const QByteArray &image) const;
    // Reads the chip twice, for the backup to be trusted. Throws AppError, also for an image that
    // is not the chip's size and for two reads that differ (a loose clip).
    Plan plan(const QByteArray &image);
    // Saves the plan's old bytes as a new backup (keepBackup(backupPath)) before anything is
    // written, then writes; a plan with nothing to write writes neither. Throws AppError only when the backup cannot be
    // written; every other failure is in the outcome, with which pages hold what.
    Outcome write(const Plan &plan, const QByteArray &image, const QString &backupPath);
    // The effect pages where the chip differs from the image. Throws AppError, also for an image
    // that is not the chip's size.
    QList<int> verify(const QByteArray &image);

    // What to tell of bytes read through a way that cannot tell a missing chip from an erased one
    // or a smaller part: all 0xFF or all 0x00, or halves alike byte for byte; empty otherwise.
    static QString suspectReading(const ChipAccess &chip, const QByteArray &bytes);
    // The effect pages where two images of one chip's size differ.
    static QList<int> differingEffectPages(const QByteArray &chip, const QByteArray &image);
    // "<data>/Glimmerview/backups/<target>-<yyyyMMdd-HHmmss>.bin", the target's "/", ":" and
    // bytes outside printable ASCII made "_"; a long target is cut to its end and a hash of it.
    static QString backupPath(const QString &dataHome, const QString &target, const QDateTime &time);
    // Writes `bytes` to a new file at `wantedPath` (its folder made as needed), or beside it as
    // "<name>-2.bin", "-3", ... where that name is taken: no backup ever replaces another. Returns
    // the path written. Throws AppError with the system's reason.
    static QString keepBackup(const QString &wantedPath, const QByteArray &bytes);

private:
    // A read that may be stopped ends in AppError when asked to; one after writes never stops,
    // for the report of what the chip holds.
    QByteArray readWhole(const QString &step, bool stoppable);
    void report(const QString &step, int done, int total, int chipPage) const;
    // Which of the plan's pages hold the image, which their old bytes, as the chip reads now.
    void sortPages(const Plan &plan, const QByteArray &image, const QByteArray &now, Outcome &outcome) const;

    ChipAccess &m_chip;
    ProgressHandler m_progress;
    const std::atomic_bool *m_cancel;
};
