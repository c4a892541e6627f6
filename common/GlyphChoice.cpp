// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/GlyphChoice.h"

Glyph GlyphChoice::glyphFor(const ColourSettings &settings, int column, bool unlit)
{
    const std::uint8_t colour = settings.entry(column);
    if (!unlit)
        return litGlyph(colour, Glyph::RedRing);
    switch (settings.entry(ColourSettings::OffStyleEntry)) {
    case ColourSettings::Ring:
        return ringGlyph(colour);
    case ColourSettings::Crossed:
        return Glyph::CrossedOff;
    case ColourSettings::Blank:
        return Glyph::None;
    default:
        return Glyph::RedRing;
    }
}

Glyph GlyphChoice::litGlyph(std::uint8_t colour, Glyph fallback)
{
    switch (colour) {
    case ColourSettings::Red:
        return Glyph::RedLit;
    case ColourSettings::Green:
        return Glyph::GreenLit;
    case ColourSettings::Blue:
        return Glyph::BlueLit;
    case ColourSettings::Yellow:
        return Glyph::YellowLit;
    default:
        return fallback;
    }
}

Glyph GlyphChoice::ringGlyph(std::uint8_t colour)
{
    switch (colour) {
    case ColourSettings::Green:
        return Glyph::GreenRing;
    case ColourSettings::Blue:
        return Glyph::BlueRing;
    case ColourSettings::Yellow:
        return Glyph::YellowRing;
    default:
        return Glyph::RedRing; // red, and the fallback for unknown codes
    }
}
