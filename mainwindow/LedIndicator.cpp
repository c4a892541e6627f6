// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "LedIndicator.h"

#include "LedPanel.h"

LedIndicator::LedIndicator(const QString &name, QRect geometry, LedPanel *panel)
    : QObject(panel)
    , m_geometry(geometry)
{
    setObjectName(name);
}

LedPanel *LedIndicator::panel() const
{
    return static_cast<LedPanel *>(parent());
}

void LedIndicator::setGlyph(const QImage *glyph)
{
    if (glyph == m_glyph)
        return;
    m_glyph = glyph;
    panel()->repaintIndicator(this);
}
