// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "recovery/RecoveryKeeper.h"

#include "common/LocalPath.h"

#include <QTimer>
#include <QUndoStack>
#include <cstdio>

RecoveryKeeper::RecoveryKeeper(
    QUndoStack &history, std::function<RecoveryCopy()> snapshot, const QString &folder, QObject *parent)
    : QObject(parent)
    , m_history(history)
    , m_snapshot(std::move(snapshot))
    , m_store(folder)
    , m_quiet(new QTimer(this))
{
    m_quiet->setSingleShot(true);
    m_quiet->setInterval(QuietTime);
    connect(m_quiet, &QTimer::timeout, this, &RecoveryKeeper::writeNow);
    connect(&m_history, &QUndoStack::indexChanged, m_quiet, [this] { m_quiet->start(); });
    connect(&m_history, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (clean)
            discard();
        else
            m_quiet->start();
    });
}

void RecoveryKeeper::writeNow()
{
    m_quiet->stop();
    if (m_history.isClean())
        return;
    QString reason;
    if (!m_store.write(m_snapshot(), &reason))
        std::fprintf(stderr, "Cannot keep a recovery copy in \"%s\": %s\n",
            LocalPath::encode(m_store.folder()).constData(), qPrintable(reason));
}

void RecoveryKeeper::discard()
{
    m_quiet->stop();
    m_store.remove();
}
