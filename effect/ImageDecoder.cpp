// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/ImageDecoder.h"

#include <QFileInfo>

namespace {
constexpr std::uint8_t ErasedByte = 0xFF;
constexpr int HalfRowsPerPage = EffectImage::RowCount * 2;

std::uint8_t byteAt(QByteArrayView bytes, qsizetype position)
{
    return position < bytes.size() ? static_cast<std::uint8_t>(bytes[position]) : ErasedByte;
}

void writeHalfRow(EffectImage &image, int page, int halfRow, std::uint8_t byte)
{
    const int first = (halfRow / 2) * EffectImage::ColumnCount + 8 * (halfRow % 2);
    for (int bit = 0; bit < 8; ++bit)
        image.setSlotEntry(page, first + bit, static_cast<std::uint8_t>((byte >> bit) & 1));
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
    qsizetype position = 0;
    for (int page = 1; page <= EffectImage::PageCount; ++page) {
        for (int halfRow = 0; halfRow < HalfRowsPerPage; ++halfRow) {
            std::uint8_t byte = ErasedByte;
            if (layout == ImageLayout::Bits16) {
                byte = byteAt(bytes, position++);
            } else if (halfRow % 2 == 0) {
                byte = byteAt(bytes, position); // the right half comes next and is always Off
            } else {
                ++position;
            }
            writeHalfRow(image, page, halfRow, byte);
        }
    }
}
