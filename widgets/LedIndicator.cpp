// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "widgets/LedIndicator.h"

#include <QAccessible>
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

void LedIndicator::setAccessibility(const QString &name, bool checkable, bool pressable)
{
    const bool renamed = !m_accessibleName.isEmpty() && name != m_accessibleName;
    m_accessibleName = name;
    m_checkable = checkable;
    m_pressable = pressable;
    if (renamed && QAccessible::isActive()) { // a screen reader hears the new name
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void LedIndicator::setMarked(bool marked)
{
    if (marked == m_marked)
        return;
    m_marked = marked;
    m_surface.repaintIndicator(this);
    if (QAccessible::isActive()) { // a difference is read out, not only seen
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void LedIndicator::setLit(bool lit)
{
    if (lit == m_lit)
        return;
    m_lit = lit;
    if (m_checkable && QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}
