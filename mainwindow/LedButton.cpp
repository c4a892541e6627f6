// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "LedButton.h"

#include <QImage>
#include <QPainter>
#include <qdrawutil.h>

LedButton::LedButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover); // repaint on enter and leave for the hover frame
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LedButton::setGlyph(const QImage *glyph)
{
    if (glyph == m_glyph)
        return;
    m_glyph = glyph;
    update();
}

void LedButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    // QAbstractButton goes down for the left button only, so a right press keeps the idle look.
    const bool held = isDown();
    if (held)
        qDrawShadeRect(&painter, rect(), palette(), true, 1);
    else if (underMouse())
        qDrawShadeRect(&painter, rect(), palette(), false, 1);
    if (m_glyph && !m_glyph->isNull())
        painter.drawImage(held ? QPoint(3, 3) : QPoint(2, 2), *m_glyph);
}
