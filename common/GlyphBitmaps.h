// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/GlyphChoice.h"

#include <QImage>
#include <QList>
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
    // What to draw for a drawable glyph on a screen of `ratio` device pixels a pixel: the glyph
    // drawn anew at 2x or 3x (for a fractional ratio the next larger, to be scaled down
    // smoothly), its device pixel ratio set so it covers the same 19x19 place; at 1x, or for a
    // picture that is not one of the glyphs, the picture itself.
    const QImage &sharpest(const QImage &picture, qreal ratio) const;

    // A picture of the resources in all its drawings ("name.bmp", "name@2x.bmp", "name@3x.bmp"),
    // each with its device pixel ratio; with `transparentKey`, the bottom-left colour cut out.
    static QList<QImage> allScales(const QString &stem, bool transparentKey);
    // One of them: scale 1, 2 or 3.
    static QImage drawing(const QString &stem, int scale, bool transparentKey);
    // Which of the three drawings (1, 2 or 3) serves `ratio`.
    static int scaleFor(qreal ratio);

    // Exact match on the bottom-left pixel's colour: that colour becomes fully transparent.
    static QImage withTransparentKey(const QImage &bitmap);
    static QString resourcePath(int number);

private:
    void loadLargerScales() const;

    std::array<QImage, 10> m_bitmaps; // index 0 stays null: no glyph
    std::array<QImage, 10> m_drawables;
    mutable std::array<QImage, 10> m_drawables2x; // loaded when first asked for
    mutable std::array<QImage, 10> m_drawables3x;
};
