// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/GlyphChoice.h"

#include <QImage>
#include <array>

// The nine 19x19 LED pictures, loaded once from the program's resources and kept for the
// whole run. Each is drawn with its bottom-left pixel's colour as the transparent colour.
class GlyphBitmaps
{
public:
    static constexpr int Size = 19;

    // Loads BITMAP_1 .. BITMAP_9 from the resources as 24-bit images; until then every glyph is null.
    void load();
    bool isLoaded() const { return !m_bitmaps[1].isNull(); }

    // The 24-bit picture as loaded; a null image for Glyph::None.
    const QImage &bitmap(Glyph glyph) const;
    // The same picture with its transparent colour cut out, ready to draw; a null image for None.
    const QImage &drawable(Glyph glyph) const;

    // Exact match on the bottom-left pixel's colour: that colour becomes fully transparent.
    static QImage withTransparentKey(const QImage &bitmap);
    static QString resourcePath(int number);

private:
    std::array<QImage, 10> m_bitmaps; // index 0 stays null: no glyph
    std::array<QImage, 10> m_drawables;
};
