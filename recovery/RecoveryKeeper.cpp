// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "recovery/RecoveryKeeper.h"

#include "common/LocalPath.h"

#include <QTimer>
#include <QUndoStack>
#include <cstdio>
#include <utility>

RecoveryKeeper::RecoveryKeeper(
    QUndoStack &history, std::function<RecoveryCopy()> snapshot, const QString &folder, QObject *parent)
    : QObject(parent)
    , m_history(history)
    , m_snapshot(std::move(snapshot))
    , m_store(folder)
    , m_quiet(new QTimer(this))
{
    m_quiet->setSingleShot(true);
    m_quiet->setTimerType(Qt::PreciseTimer); // "at most five seconds" is a promise, not a hint
    m_quiet->setInterval(QuietTime);
    connect(m_quiet, &QTimer::timeout, this, &RecoveryKeeper::writeNow);
    // Counted from the first edit the copy does not hold yet, never restarted by the next: an
    // edit every two seconds would otherwise put the copy off for ever.
    const auto startUnlessRunning = [this] {
        if (!m_quiet->isActive())
            m_quiet->start();
    };
    connect(&m_history, &QUndoStack::indexChanged, m_quiet, startUnlessRunning);
    connect(&m_history, &QUndoStack::cleanChanged, this, [this, startUnlessRunning](bool clean) {
        if (clean)
            discard();
        else
            startUnlessRunning();
    });
}

void RecoveryKeeper::writeNow()
{
    m_quiet->stop();
    if (m_history.isClean() || m_store.folder().isEmpty())
        return;
    QString reason;
    if (m_store.write(m_snapshot(), &reason))
        return;
    std::fprintf(stderr, "Cannot keep a recovery copy in \"%s\": %s\n", LocalPath::encode(m_store.folder()).constData(),
        qPrintable(reason));
    if (!std::exchange(m_toldCannotKeep, true)) {
        Q_EMIT cannotKeep(tr("Unsaved edits cannot be kept for recovery in %1 (%2). Save often.")
                              .arg(LocalPath::displayed(m_store.folder()), reason));
    }
}

void RecoveryKeeper::discard()
{
    m_quiet->stop();
    m_store.remove();
}
