// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "widgets/LedPanel.h"

#include "common/GlyphBitmaps.h"
#include "widgets/LedPanelAccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <qdrawutil.h>
#include <utility>

LedPanel::LedPanel(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true); // hover frames, and moves with no button held reach the handlers
    LedPanelAccessible::installFactory();
}

void LedPanel::setKeyboardGrid(int columns)
{
    m_gridColumns = columns;
    setFocusPolicy(columns > 0 ? Qt::TabFocus : Qt::NoFocus);
}

LedIndicator *LedPanel::focusedIndicator() const
{
    return hasFocus() && m_focusIndex < m_indicators.size() ? m_indicators.at(m_focusIndex) : nullptr;
}

void LedPanel::activate(LedIndicator *indicator)
{
    Q_EMIT pressed(indicator, Qt::LeftButton);
    Q_EMIT clicked(indicator);
}

qsizetype LedPanel::focusTarget(qsizetype index, int key) const
{
    const qsizetype columns = m_gridColumns;
    const qsizetype rowStart = index - index % columns;
    const qsizetype last = m_indicators.size() - 1;
    switch (key) {
    case Qt::Key_Left:
        return index % columns > 0 ? index - 1 : index;
    case Qt::Key_Right:
        return index % columns < columns - 1 && index < last ? index + 1 : index;
    case Qt::Key_Up:
        return index >= columns ? index - columns : index;
    case Qt::Key_Down:
        return index + columns <= last ? index + columns : index;
    case Qt::Key_Home:
        return rowStart;
    case Qt::Key_End:
        return std::min(rowStart + columns - 1, last);
    default:
        return index;
    }
}

void LedPanel::moveFocusTo(qsizetype index)
{
    if (index == m_focusIndex)
        return;
    update(m_indicators.at(m_focusIndex)->geometry());
    m_focusIndex = index;
    update(m_indicators.at(m_focusIndex)->geometry());
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(static_cast<int>(index));
        QAccessible::updateAccessibility(&event);
    }
}

void LedPanel::keyPressEvent(QKeyEvent *event)
{
    if (m_gridColumns <= 0 || m_indicators.isEmpty() || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Space) {
        activate(m_indicators.at(m_focusIndex));
        return;
    }
    static const std::array Moves {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End};
    if (std::find(Moves.begin(), Moves.end(), event->key()) == Moves.end()) {
        QWidget::keyPressEvent(event);
        return;
    }
    moveFocusTo(focusTarget(m_focusIndex, event->key()));
}

void LedPanel::focusInEvent(QFocusEvent *event)
{
    if (!m_indicators.isEmpty())
        update(m_indicators.at(m_focusIndex)->geometry());
    QWidget::focusInEvent(event);
}

void LedPanel::focusOutEvent(QFocusEvent *event)
{
    if (!m_indicators.isEmpty())
        update(m_indicators.at(m_focusIndex)->geometry());
    QWidget::focusOutEvent(event);
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
    if (glyph && !glyph->isNull()) {
        const QPoint at = face.topLeft() + indicator->glyphOffset() + (held ? QPoint(1, 1) : QPoint());
        const QImage &picture = m_pictures ? m_pictures->sharpest(*glyph, devicePixelRatioF()) : *glyph;
        if (&picture == glyph) {
            painter.drawImage(at, *glyph);
        } else { // drawn for this screen, in the same place; scaled down only for a fractional ratio
            painter.save();
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(QRectF(at, QSizeF(glyph->size())), picture);
            painter.restore();
        }
    }
    if (indicator->isMarked()) {
        // A corner tick in the text colour: clear of the glyph's round face, readable on it.
        const QPoint corner = face.topRight();
        const QPolygon tick {corner, corner + QPoint(-MarkSize, 0), corner + QPoint(0, MarkSize)};
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::WindowText));
        painter.drawPolygon(tick);
        painter.restore();
    }
    if (indicator == focusedIndicator()) {
        painter.save();
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(face.adjusted(0, 0, -1, -1));
        painter.restore();
    }
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
    Q_EMIT released(event->button());
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
