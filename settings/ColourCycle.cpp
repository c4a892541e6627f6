// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "settings/ColourCycle.h"

#include "common/ColourSettings.h"

#include <QCoreApplication>

std::uint8_t ColourCycle::next(int entry, std::uint8_t value)
{
    const auto advanced = static_cast<std::uint8_t>(value + 1);
    const int past = entry == ColourSettings::OffStyleEntry ? 4 : 5;
    return advanced >= past ? 1 : advanced;
}

Glyph ColourCycle::buttonGlyph(int entry, std::uint8_t value)
{
    if (entry == ColourSettings::OffStyleEntry) {
        switch (value) {
        case ColourSettings::Ring:
            return Glyph::RedRing;
        case ColourSettings::Crossed:
            return Glyph::CrossedOff;
        case ColourSettings::Blank:
            return Glyph::None;
        default:
            return Glyph::RedLit;
        }
    }
    return GlyphChoice::litGlyph(value, Glyph::RedLit); // red too for any value out of range
}

const char *ColourCycle::valueName(int entry, std::uint8_t value)
{
    switch (buttonGlyph(entry, value)) {
    case Glyph::RedRing:
        return QT_TRANSLATE_NOOP("ColourCycle", "ring");
    case Glyph::CrossedOff:
        return QT_TRANSLATE_NOOP("ColourCycle", "crossed");
    case Glyph::None:
        return QT_TRANSLATE_NOOP("ColourCycle", "blank");
    case Glyph::GreenLit:
        return QT_TRANSLATE_NOOP("ColourCycle", "green");
    case Glyph::BlueLit:
        return QT_TRANSLATE_NOOP("ColourCycle", "blue");
    case Glyph::YellowLit:
        return QT_TRANSLATE_NOOP("ColourCycle", "yellow");
    default:
        return QT_TRANSLATE_NOOP("ColourCycle", "red");
    }
}
