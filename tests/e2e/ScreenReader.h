// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/GlyphBitmaps.h"

#include <QImage>

// Reads the LEDs off a screenshot of the main window by looking for the glyph pictures
// themselves, compared on their opaque pixels.
class ScreenReader
{
public:
    ScreenReader() { m_glyphs.load(); }

    const QImage &glyph(Glyph glyph) const { return m_glyphs.drawable(glyph); }
    static bool glyphAt(const QImage &shot, const QImage &glyph, QPoint topLeft);
    static int countGlyph(const QImage &shot, const QImage &glyph);
    static QPoint findGlyph(const QImage &shot, const QImage &glyph); // (-1,-1) when absent
    int litCount(const QImage &shot) const;
    int ringCount(const QImage &shot) const;
    // Whether any of the four lit pictures stands with its top-left corner at `topLeft`.
    bool litAt(const QImage &shot, QPoint topLeft) const;

private:
    GlyphBitmaps m_glyphs;
};
