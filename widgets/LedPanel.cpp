// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "widgets/LedPanel.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>
#include <utility>

LedPanel::LedPanel(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true); // hover frames, and moves with no button held reach the handlers
}

LedIndicator *LedPanel::addIndicator(const QString &name, QPoint topLeft, QSize size)
{
    auto *indicator = new LedIndicator(name, QRect(topLeft, size), this, *this);
    m_indicators.append(indicator);
    return indicator;
}

LedIndicator *LedPanel::indicatorAt(QPoint point) const
{
    for (LedIndicator *indicator : m_indicators) {
        if (indicator->geometry().contains(point))
            return indicator;
    }
    return nullptr;
}

void LedPanel::endUpdate()
{
    Q_ASSERT(m_batchDepth > 0);
    if (--m_batchDepth == 0 && !m_batchDirty.isNull()) {
        update(m_batchDirty);
        m_batchDirty = QRect();
    }
}

void LedPanel::repaintIndicator(const LedIndicator *indicator)
{
    if (m_batchDepth > 0)
        m_batchDirty |= indicator->geometry();
    else
        update(indicator->geometry());
}

void LedPanel::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    for (const LedIndicator *indicator : std::as_const(m_indicators)) {
        if (event->region().intersects(indicator->geometry()))
            drawIndicator(painter, indicator);
    }
}

void LedPanel::drawIndicator(QPainter &painter, const LedIndicator *indicator) const
{
    const QRect face = indicator->geometry();
    const bool held = m_leftHeld && indicator == m_leftPressed && indicator == m_hovered;
    if (held)
        qDrawShadeRect(&painter, face, palette(), true, 1);
    else if (indicator == m_hovered && !m_leftHeld)
        qDrawShadeRect(&painter, face, palette(), false, 1);
    const QImage *glyph = indicator->glyph();
    if (glyph && !glyph->isNull())
        painter.drawImage(face.topLeft() + indicator->glyphOffset() + (held ? QPoint(1, 1) : QPoint()), *glyph);
}

void LedPanel::setHovered(LedIndicator *indicator)
{
    if (indicator == m_hovered)
        return;
    if (m_hovered)
        update(m_hovered->geometry());
    m_hovered = indicator;
    if (m_hovered)
        update(m_hovered->geometry());
}

void LedPanel::mousePressEvent(QMouseEvent *event)
{
    LedIndicator *indicator = indicatorAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        m_leftHeld = true;
        m_leftPressed = indicator;
        if (indicator)
            update(indicator->geometry());
    }
    if (indicator)
        Q_EMIT pressed(indicator, event->button());
}

void LedPanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event); // the second press of a double click is a press like any other
}

void LedPanel::mouseMoveEvent(QMouseEvent *event)
{
    LedIndicator *under = indicatorAt(event->position().toPoint());
    setHovered(under);
    LedIndicator *owner = m_leftHeld ? m_leftPressed : under;
    if (owner)
        Q_EMIT moved(owner, event->buttons(), event->modifiers());
}

void LedPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_leftHeld = false;
    LedIndicator *pressed = std::exchange(m_leftPressed, nullptr);
    if (!pressed)
        return;
    update(pressed->geometry());
    if (pressed == indicatorAt(event->position().toPoint()))
        Q_EMIT clicked(pressed);
}

void LedPanel::leaveEvent(QEvent *)
{
    setHovered(nullptr);
}
