// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/ColourSettings.h"

// The nine LED pictures, numbered as their resources BITMAP_1 .. BITMAP_9.
enum class Glyph {
    None = 0,
    CrossedOff = 1, // BITMAP_1
    BlueLit = 2,
    BlueRing = 3,
    GreenLit = 4,
    GreenRing = 5,
    RedLit = 6,
    RedRing = 7, // also every fallback
    YellowLit = 8,
    YellowRing = 9,
};

// Which picture a matrix column or preview LED shows.
class GlyphChoice
{
public:
    // Precondition: 1 <= column <= 16.
    static Glyph glyphFor(const ColourSettings &settings, int column, bool unlit);
    // The lit picture of a colour code, or `fallback` for a code that names no colour.
    static Glyph litGlyph(std::uint8_t colour, Glyph fallback);

private:
    static Glyph ringGlyph(std::uint8_t colour);
};
