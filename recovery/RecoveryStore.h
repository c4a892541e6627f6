// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/FileDescriptor.h"
#include "common/FileStamp.h"
#include "effect/ImageDecoder.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

// What a run had not saved: the whole image and the file it belongs to.
struct RecoveryCopy
{
    QString imagePath; // empty: never saved
    ImageLayout layout = ImageLayout::Bits16;
    QDateTime savedAt;
    QByteArray image; // every LED: the 16-bit layout
    // The file as it was when the unsaved edits began: a save of the recovered edits asks before
    // it overwrites what another program (or another run) wrote there since.
    std::optional<FileStamp> fileStamp;

    bool operator==(const RecoveryCopy &) const = default;
};

// The recovery copies in one folder, one for each running program. Each run holds a lock on its
// own copy for as long as it runs; the system lets go of it however the run ends (a kill, a
// crash, a power loss), so a copy whose lock is free was left behind, and one whose lock is held
// belongs to a run that is still going and is never taken.
class RecoveryStore
{
public:
    explicit RecoveryStore(QString folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    QString folder() const { return m_folder; }
    // This run's copy, replaced whole: a kill in the middle leaves the one before.
    bool write(const RecoveryCopy &copy, QString *reason = nullptr);
    // This run's copy is gone: its edits were saved or discarded.
    void remove();
    bool hasCopy() const { return m_hasCopy; }

    // Copies left by runs that have ended, newest first. Each is held by this store, so no
    // other run offers it too, until it is dropped or this store ends.
    struct LeftBehind
    {
        QString id;
        RecoveryCopy copy;
    };
    QList<LeftBehind> claimLeftBehind();
    // Deletes a claimed copy: recovered into this run, or discarded.
    void drop(const QString &id);

    static QByteArray serialise(const RecoveryCopy &copy);
    static std::optional<RecoveryCopy> parse(const QByteArray &bytes);

private:
    QString filePath(const QString &id, const char *suffix) const;
    bool holdOwnLock();

    QString m_folder;
    QString m_id; // this run's
    FileDescriptor m_ownLock;
    bool m_hasCopy = false;
    std::vector<std::pair<QString, FileDescriptor>> m_claimed; // id, lock
};
