// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/GlyphBitmaps.h"

#include "common/BmpDecoder.h"

void GlyphBitmaps::load()
{
    for (int number = 1; number <= 9; ++number) {
        const auto index = static_cast<std::size_t>(number);
        m_bitmaps[index] = BmpDecoder::load(resourcePath(number));
        Q_ASSERT(!m_bitmaps[index].isNull());
        m_drawables[index] = withTransparentKey(m_bitmaps[index]);
    }
}

QString GlyphBitmaps::resourcePath(int number)
{
    return QStringLiteral(":/resources/BITMAP_%1.bmp").arg(number);
}

const QImage &GlyphBitmaps::bitmap(Glyph glyph) const
{
    return m_bitmaps[static_cast<std::size_t>(glyph)];
}

const QImage &GlyphBitmaps::drawable(Glyph glyph) const
{
    return m_drawables[static_cast<std::size_t>(glyph)];
}

QImage GlyphBitmaps::withTransparentKey(const QImage &bitmap)
{
    if (bitmap.isNull())
        return {};
    QImage keyed = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, keyed.height() - 1);
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if (line[x] == key)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
