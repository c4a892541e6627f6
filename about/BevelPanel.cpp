// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "about/BevelPanel.h"

#include <QPainter>
#include <qdrawutil.h>

BevelPanel::BevelPanel(Bevel outer, Bevel inner, QWidget *parent)
    : QWidget(parent)
    , m_outer(outer)
    , m_inner(inner)
{
    setAutoFillBackground(true);
}

void BevelPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    qDrawShadeRect(&painter, rect(), palette(), m_outer == Bevel::Lowered, 1);
    qDrawShadeRect(&painter, rect().adjusted(1, 1, -1, -1), palette(), m_inner == Bevel::Lowered, 1);
}
