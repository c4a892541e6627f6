// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/ClientArea.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

namespace {
constexpr int NoiseInterval = 5; // ms
constexpr Qt::KeyboardModifiers NoiseModifiers = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
} // namespace

ClientArea::ClientArea(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ClientArea"));
    setAutoFillBackground(true); // the plain face whenever the noise is not being drawn
    // Made here, not among the members: a child's arrival runs event(), which needs them all.
    m_noiseTimer = new QTimer(this);
    m_noiseTimer->setObjectName(QStringLiteral("NoiseTimer"));
    m_noiseTimer->setTimerType(Qt::PreciseTimer);
    m_noiseTimer->setInterval(NoiseInterval);
    connect(m_noiseTimer, &QTimer::timeout, this, &ClientArea::drawNoise);
}

void ClientArea::listenForNoiseKey(QWidget *keys)
{
    m_noiseKeys = keys;
    keys->installEventFilter(this);
}

bool ClientArea::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_noiseKeys && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (key->key() == Qt::Key_U && key->modifiers() == NoiseModifiers) {
            if (m_noiseTimer->isActive())
                m_noiseTimer->stop();
            else
                m_noiseTimer->start();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ClientArea::createNoiseBitmap(QSize size)
{
    // Byte order red, green, blue. Left unfilled: it is drawn only after a tick has filled it.
    m_noise = QImage(size, QImage::Format_RGB888);
}

void ClientArea::drawNoise()
{
    if (m_noise.isNull())
        return;
    const auto rowBytes = static_cast<std::size_t>(m_noise.width()) * 3;
    for (int y = 0; y < m_noise.height(); ++y)
        m_generator.fill(m_noise.scanLine(y), rowBytes);
    m_noisePending = true;
    repaint(gapRegion());
}

bool ClientArea::event(QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ChildAdded || type == QEvent::ChildRemoved || type == QEvent::Resize)
        m_gaps.reset();
    return QWidget::event(event);
}

QRegion ClientArea::gapRegion() const
{
    if (m_gaps)
        return *m_gaps;
    QRegion gaps(rect());
    for (const QObject *child : children()) {
        const auto *widget = qobject_cast<const QWidget *>(child);
        if (widget && !widget->isWindow() && !widget->isHidden())
            gaps -= widget->geometry();
    }
    m_gaps = gaps;
    return gaps;
}

void ClientArea::paintEvent(QPaintEvent *event)
{
    if (!m_noisePending || m_noise.isNull())
        return; // the background was filled by Qt
    m_noisePending = false;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPoint(0, 0), m_noise);
}
