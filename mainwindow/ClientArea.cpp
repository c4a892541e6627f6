// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/ClientArea.h"

#include <QPaintEvent>
#include <QPainter>

ClientArea::ClientArea(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ClientArea"));
    setAutoFillBackground(true); // the plain face whenever the noise is not being drawn
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
