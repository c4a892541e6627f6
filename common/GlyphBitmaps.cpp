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

void GlyphBitmaps::loadLargerScales() const
{
    if (!m_drawables2x[1].isNull())
        return;
    for (int number = 1; number <= 9; ++number) {
        const QString stem = QStringLiteral(":/resources/BITMAP_%1").arg(number);
        m_drawables2x[static_cast<std::size_t>(number)] = drawing(stem, 2, true); // the 1x ones are loaded
        m_drawables3x[static_cast<std::size_t>(number)] = drawing(stem, 3, true);
    }
}

int GlyphBitmaps::scaleFor(qreal ratio)
{
    return ratio <= 1.0 ? 1 : ratio <= 2.0 ? 2 : 3;
}

const QImage &GlyphBitmaps::sharpest(const QImage &picture, qreal ratio) const
{
    const int scale = scaleFor(ratio);
    if (scale == 1)
        return picture;
    for (std::size_t index = 1; index < m_drawables.size(); ++index) {
        if (&m_drawables[index] == &picture) {
            loadLargerScales(); // only a screen of high resolution needs them
            return scale == 2 ? m_drawables2x[index] : m_drawables3x[index];
        }
    }
    return picture;
}

QImage GlyphBitmaps::drawing(const QString &stem, int scale, bool transparentKey)
{
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    QImage image = BmpDecoder::load(stem + suffix + QStringLiteral(".bmp"));
    if (transparentKey)
        image = withTransparentKey(image);
    image.setDevicePixelRatio(scale);
    return image;
}

QList<QImage> GlyphBitmaps::allScales(const QString &stem, bool transparentKey)
{
    return {drawing(stem, 1, transparentKey), drawing(stem, 2, transparentKey), drawing(stem, 3, transparentKey)};
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
