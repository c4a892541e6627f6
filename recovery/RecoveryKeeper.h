// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "recovery/RecoveryStore.h"

#include <QObject>
#include <functional>

class QTimer;
class QUndoStack;

// Keeps a recovery copy of unsaved edits: a few seconds after the last edit (so a crash, a
// SIGKILL or a power loss loses at most those seconds) and at once when the program is told to
// end. The copy goes when the edits are saved, undone back to the saved state, or discarded.
class RecoveryKeeper : public QObject
{
    Q_OBJECT

public:
    static constexpr int QuietTime = 5000; // ms after the last edit

    // `snapshot` gives the image as it stands and the file it belongs to.
    RecoveryKeeper(
        QUndoStack &history, std::function<RecoveryCopy()> snapshot, const QString &folder, QObject *parent = nullptr);

    // Writes the copy now when there are unsaved edits; errors go to standard error, as nobody may
    // be there to read a box.
    void writeNow();
    // The edits are discarded: the copy goes.
    void discard();
    RecoveryStore &store() { return m_store; }
    QTimer *quietTimer() const { return m_quiet; }

private:
    QUndoStack &m_history;
    std::function<RecoveryCopy()> m_snapshot;
    RecoveryStore m_store;
    QTimer *m_quiet;
};
