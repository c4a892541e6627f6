// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "ScreenReader.h"

namespace {
const Glyph LitGlyphs[] = {Glyph::RedLit, Glyph::GreenLit, Glyph::BlueLit, Glyph::YellowLit};
const Glyph RingGlyphs[] = {Glyph::RedRing, Glyph::GreenRing, Glyph::BlueRing, Glyph::YellowRing};
} // namespace

bool ScreenReader::glyphAt(const QImage &shot, const QImage &glyph, QPoint topLeft)
{
    if (!QRect(QPoint(0, 0), shot.size()).contains(QRect(topLeft, glyph.size())))
        return false;
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            const QRgb want = glyph.pixel(x, y);
            if (qAlpha(want) == 255 && (shot.pixel(topLeft.x() + x, topLeft.y() + y) & 0xFFFFFF) != (want & 0xFFFFFF))
                return false;
        }
    }
    return true;
}

int ScreenReader::countGlyph(const QImage &shot, const QImage &glyph)
{
    int count = 0;
    for (int y = 0; y + glyph.height() <= shot.height(); ++y)
        for (int x = 0; x + glyph.width() <= shot.width(); ++x)
            count += glyphAt(shot, glyph, {x, y}) ? 1 : 0;
    return count;
}

QPoint ScreenReader::findGlyph(const QImage &shot, const QImage &glyph)
{
    for (int y = 0; y + glyph.height() <= shot.height(); ++y)
        for (int x = 0; x + glyph.width() <= shot.width(); ++x)
            if (glyphAt(shot, glyph, {x, y}))
                return {x, y};
    return {-1, -1};
}

int ScreenReader::litCount(const QImage &shot) const
{
    int count = 0;
    for (Glyph lit : LitGlyphs)
        count += countGlyph(shot, glyph(lit));
    return count;
}

int ScreenReader::ringCount(const QImage &shot) const
{
    int count = 0;
    for (Glyph ring : RingGlyphs)
        count += countGlyph(shot, glyph(ring));
    return count;
}

bool ScreenReader::litAt(const QImage &shot, QPoint topLeft) const
{
    for (Glyph lit : LitGlyphs)
        if (glyphAt(shot, glyph(lit), topLeft))
            return true;
    return false;
}
