// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/ImageEncoder.h"

#include <algorithm>

namespace {
// Bit 0 is the leftmost LED of the half row; a set bit is an unlit LED.
char halfRowByte(const std::uint8_t *states)
{
    std::uint8_t byte = 0;
    for (int bit = 0; bit < 8; ++bit)
        byte |= static_cast<std::uint8_t>((states[bit] & 1) << bit);
    return static_cast<char>(byte);
}
} // namespace

QByteArray ImageEncoder::encode(const EffectImage &image, ImageLayout layout)
{
    QByteArray bytes;
    bytes.reserve(ImageDecoder::byteCount(layout));
    for (int page = 1; page <= EffectImage::PageCount; ++page) {
        const EffectImage::Page &states = image.page(page);
        for (int row = 0; row < EffectImage::RowCount; ++row) {
            const std::uint8_t *rowStates = states.data() + row * EffectImage::ColumnCount;
            bytes.append(halfRowByte(rowStates));
            if (layout == ImageLayout::Bits16)
                bytes.append(halfRowByte(rowStates + 8));
        }
    }
    return bytes;
}

QList<int> ImageEncoder::rightHalfLitPages(const EffectImage &image)
{
    QList<int> pages;
    for (int page = 1; page <= EffectImage::PageCount; ++page) {
        const EffectImage::Page &states = image.page(page);
        for (int row = 0; row < EffectImage::RowCount; ++row) {
            const auto right = states.begin() + row * EffectImage::ColumnCount + 8;
            if (std::find(right, right + 8, EffectImage::On) != right + 8) {
                pages.append(page);
                break;
            }
        }
    }
    return pages;
}
