// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/GlyphChoice.h"

#include <cstdint>

// How the Options dialog's buttons cycle through their values and what each value shows.
// Colour buttons (entries 1..16) go red, green, blue, yellow, red; the off-LED button (entry
// 17) goes ring, crossed, blank, ring.
class ColourCycle
{
public:
    // The value after one click: one more, as an unsigned byte (so 255 becomes 0), and back to
    // 1 past the last value.
    static std::uint8_t next(int entry, std::uint8_t value);
    // A colour button shows the lit glyph of its colour; the off-LED button the red ring for the
    // ring style, the crossed glyph, or nothing. Any other value shows the red lit glyph.
    static Glyph buttonGlyph(int entry, std::uint8_t value);
    // What a screen reader says a button shows: "red" .. "yellow"; "ring", "crossed", "blank".
    // A value out of range is named by the glyph it shows.
    static const char *valueName(int entry, std::uint8_t value);
};
