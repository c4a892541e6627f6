// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/ClientArea.h"

#include <QKeyEvent>
#include <QScreen>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

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
    m_noiseRepaint = new QTimer(this);
    m_noiseRepaint->setSingleShot(true);
    m_noiseRepaint->setTimerType(Qt::PreciseTimer);
    connect(m_noiseRepaint, &QTimer::timeout, this, [this] {
        m_noisePending = true;
        update(gapRegion());
    });
    m_sinceNoisePainted.start();
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
    ++m_frame;
    // Ticks come faster than the screen draws: the gaps are repainted at the screen's pace, each
    // time with the frame the ticks have reached by then.
    if (m_noiseRepaint->isActive())
        return;
    const QScreen *shownOn = screen();
    const int period = qRound(1000.0 / (shownOn && shownOn->refreshRate() > 0 ? shownOn->refreshRate() : 60.0));
    m_noiseRepaint->start(std::max(0, period - static_cast<int>(m_sinceNoisePainted.elapsed())));
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
    if (!m_noisePending || m_noise.isNull())
        return; // the background was filled by Qt
    m_noisePending = false;
    m_sinceNoisePainted.restart();
    QPainter painter(this);
    // Rectangle by rectangle: only the pixels shown are converted for the screen.
    const QImage &noise = noiseBitmap();
    for (const QRect &rect : event->region())
        painter.drawImage(rect.topLeft(), noise, rect);
}
