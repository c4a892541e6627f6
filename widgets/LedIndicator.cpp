// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "widgets/LedIndicator.h"

#include <QWidget>

LedIndicator::LedIndicator(const QString &name, QRect geometry, QWidget *panel, IndicatorSurface &surface)
    : QObject(panel)
    , m_surface(surface)
    , m_geometry(geometry)
{
    setObjectName(name);
}

QWidget *LedIndicator::panel() const
{
    return static_cast<QWidget *>(parent());
}

void LedIndicator::setGlyph(const QImage *glyph)
{
    if (glyph == m_glyph)
        return;
    m_glyph = glyph;
    m_surface.repaintIndicator(this);
}
