// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/PreviewController.h"

#include <QTimer>

PreviewController::PreviewController(const EffectImage &image, QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
    , m_player(image)
{
    m_timer->setObjectName(QStringLiteral("PreviewTimer"));
    m_timer->setTimerType(Qt::PreciseTimer); // a row on time, not within 5% of it
    m_timer->setInterval(DesignInterval);
    connect(m_timer, &QTimer::timeout, this, &PreviewController::tick);
}

bool PreviewController::isRunning() const
{
    return m_timer->isActive();
}

void PreviewController::setRunning(bool running)
{
    if (running)
        m_timer->start();
    else
        m_timer->stop();
    m_player.rewind();
}

void PreviewController::setRowsPerSecond(int rowsPerSecond)
{
    const int interval = 1000 / rowsPerSecond;
    if (interval != m_timer->interval())
        m_timer->setInterval(interval);
}

void PreviewController::restartPeriod()
{
    if (m_timer->isActive())
        m_timer->start();
}

void PreviewController::playFrom(int row)
{
    if (!m_timer->isActive())
        return;
    m_player.setRow(row);
    m_timer->start();
    Q_EMIT rowChanged();
}

void PreviewController::tick()
{
    if (const std::optional<int> page = m_player.step(m_mode))
        Q_EMIT pageTurned(*page);
    Q_EMIT rowChanged();
}
