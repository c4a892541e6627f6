// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "about/MouseLabel.h"

#include <QMouseEvent>

MouseLabel::MouseLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
}

void MouseLabel::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT pressed(event->button());
}

void MouseLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}
