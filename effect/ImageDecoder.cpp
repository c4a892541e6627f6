// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/ImageDecoder.h"

#include <QFileInfo>

namespace {
constexpr std::uint8_t ErasedByte = 0xFF;

std::uint8_t byteAt(QByteArrayView bytes, qsizetype position)
{
    return position < bytes.size() ? static_cast<std::uint8_t>(bytes[position]) : ErasedByte;
}

// Bit 0 is the leftmost LED of the half row.
void spreadBits(std::uint8_t byte, std::uint8_t *states)
{
    for (int bit = 0; bit < 8; ++bit)
        states[bit] = static_cast<std::uint8_t>((byte >> bit) & 1);
}
} // namespace

ImageLayout ImageDecoder::layoutForPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix.compare(QLatin1String("bin8"), Qt::CaseInsensitive) == 0 ? ImageLayout::Bits8 : ImageLayout::Bits16;
}

qsizetype ImageDecoder::byteCount(ImageLayout layout)
{
    return layout == ImageLayout::Bits8 ? 1024 : 2048;
}

void ImageDecoder::decode(QByteArrayView bytes, ImageLayout layout, EffectImage &image)
{
    const qsizetype bytesPerRow = layout == ImageLayout::Bits16 ? 2 : 1;
    qsizetype position = 0;
    for (int page = 1; page <= EffectImage::PageCount; ++page) {
        EffectImage::Page states;
        for (int row = 0; row < EffectImage::RowCount; ++row, position += bytesPerRow) {
            // The 8-bit layout holds the left half only; the right half is always off.
            const std::uint8_t right = layout == ImageLayout::Bits16 ? byteAt(bytes, position + 1) : ErasedByte;
            std::uint8_t *rowStates = states.data() + row * EffectImage::ColumnCount;
            spreadBits(byteAt(bytes, position), rowStates);
            spreadBits(right, rowStates + 8);
        }
        image.setPage(page, states);
    }
}
