// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/ClientArea.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace {
constexpr int NoiseInterval = 5; // ms a tick, a frame of noise each
constexpr Qt::KeyboardModifiers NoiseModifiers = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
} // namespace

ClientArea::ClientArea(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ClientArea"));
    // Every pixel is painted here, the plain face or the noise: nothing is filled beforehand.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Made here, not among the members: a child's arrival runs event(), which needs them all.
    m_noiseTimer = new QTimer(this);
    m_noiseTimer->setObjectName(QStringLiteral("NoiseTimer"));
    m_noiseTimer->setTimerType(Qt::PreciseTimer);
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
            setNoiseRunning(!m_noiseTimer->isActive());
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ClientArea::setNoiseRunning(bool running)
{
    if (!running) {
        m_noiseTimer->stop();
        return;
    }
    // Woken at the screen's pace, not at every tick: each wake shows the frame the ticks since
    // the start have reached.
    const QScreen *shownOn = screen();
    const qreal rate = shownOn && shownOn->refreshRate() > 0 ? shownOn->refreshRate() : 60;
    m_noiseTimer->setInterval(std::max(NoiseInterval, qRound(1000 / rate)));
    m_noiseStartFrame = m_frame;
    m_sinceNoiseStarted.start();
    m_noiseTimer->start();
}

void ClientArea::createNoiseBitmap(QSize size)
{
    // The screen's own form, so drawing it is a copy. Left unfilled: it is drawn only after a
    // tick has filled it.
    m_noise = QImage(size, QImage::Format_RGB32);
}

void ClientArea::drawNoise()
{
    if (m_noise.isNull())
        return;
    // A frame every 5 ms tick since the start, and never the same frame twice.
    const std::uint64_t ticks
        = m_sinceNoiseStarted.isValid() ? static_cast<std::uint64_t>(m_sinceNoiseStarted.elapsed() / NoiseInterval) : 0;
    m_frame = std::max(m_frame + 1, m_noiseStartFrame + ticks);
    m_noisePending = true;
    update(gapRegion());
}

const QImage &ClientArea::noiseBitmap() const
{
    if (m_frameInPicture != m_frame && !m_noise.isNull()) {
        if (!m_frames)
            m_frames.emplace(m_noise.size(), gapRegion());
        m_frames->paint(m_frame, m_noise);
        m_frameInPicture = m_frame;
    }
    return m_noise;
}

bool ClientArea::event(QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ChildAdded || type == QEvent::ChildRemoved || type == QEvent::Resize) {
        m_gaps.reset();
        m_frames.reset();
    }
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
    QPainter painter(this);
    const bool noise = m_noisePending && !m_noise.isNull();
    m_noisePending = false;
    const QImage *picture = noise ? &noiseBitmap() : nullptr;
    // A rectangle at a time: each a plain fill or copy, where one clip of all of them would take
    // Qt's slow path.
    for (const QRect &part : event->region()) {
        painter.setClipRect(part);
        if (picture)
            painter.drawImage(part.topLeft(), *picture, part);
        else
            painter.fillRect(part, palette().brush(backgroundRole()));
    }
}
