// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "recovery/RecoveryStore.h"

#include <QObject>
#include <functional>

class QTimer;
class QUndoStack;

// Keeps a recovery copy of unsaved edits: at most a few seconds after the first edit it does not
// hold yet, however the editing goes on (so a crash, a SIGKILL or a power loss loses at most
// those seconds), and at once when the program is told to end. The copy goes when the edits are saved, undone back to
// the saved state, or discarded.
class RecoveryKeeper : public QObject
{
    Q_OBJECT

public:
    static constexpr int QuietTime = 5000; // ms after the first edit the copy does not hold

    // `snapshot` gives the image as it stands and the file it belongs to.
    RecoveryKeeper(
        QUndoStack &history, std::function<RecoveryCopy()> snapshot, const QString &folder, QObject *parent = nullptr);

    // Writes the copy now when there are unsaved edits; errors go to standard error, as nobody may
    // be there to read a box, and the first one also to cannotKeep(). An empty folder keeps nothing.
    void writeNow();
    // The edits are discarded: the copy goes.
    void discard();
    RecoveryStore &store() { return m_store; }
    QTimer *quietTimer() const { return m_quiet; }

Q_SIGNALS:
    // The first copy that cannot be written, for the window to say so once.
    void cannotKeep(const QString &message);

private:
    bool m_toldCannotKeep = false;
    QUndoStack &m_history;
    std::function<RecoveryCopy()> m_snapshot;
    RecoveryStore m_store;
    QTimer *m_quiet;
};
