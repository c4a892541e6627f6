// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/BmpDecoder.h"

#include <QFile>
#include <cstring>
#include <limits>

namespace {
constexpr qsizetype FileHeaderSize = 14;
constexpr qsizetype InfoHeaderSize = 40;
constexpr int MaxSide = 4096; // our pictures are tiny; anything larger is not one of them

std::uint32_t le32(QByteArrayView bytes, qsizetype at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

std::uint16_t le16(QByteArrayView bytes, qsizetype at)
{
    return static_cast<std::uint16_t>(
        static_cast<std::uint8_t>(bytes[at]) | (static_cast<std::uint8_t>(bytes[at + 1]) << 8));
}
} // namespace

QImage BmpDecoder::decode(QByteArrayView bytes)
{
    if (bytes.size() < FileHeaderSize + InfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M')
        return {};
    const qsizetype dataOffset = le32(bytes, 10);
    const auto width = static_cast<std::int32_t>(le32(bytes, 18));
    const auto signedHeight = static_cast<std::int32_t>(le32(bytes, 22));
    const bool bottomUp = signedHeight > 0;
    if (signedHeight == std::numeric_limits<std::int32_t>::min())
        return {}; // has no positive counterpart
    const std::int32_t height = bottomUp ? signedHeight : -signedHeight;
    if (le16(bytes, 26) != 1 || le16(bytes, 28) != 24 || le32(bytes, 30) != 0)
        return {}; // planes, bit depth, compression
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide)
        return {};
    const qsizetype stride = (qsizetype(width) * 3 + 3) & ~qsizetype(3);
    if (dataOffset < FileHeaderSize + InfoHeaderSize || dataOffset + stride * height > bytes.size())
        return {};
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        const char *row = bytes.data() + dataOffset + stride * (bottomUp ? height - 1 - y : y);
        uchar *out = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            out[3 * x] = static_cast<uchar>(row[3 * x + 2]); // stored blue, green, red
            out[3 * x + 1] = static_cast<uchar>(row[3 * x + 1]);
            out[3 * x + 2] = static_cast<uchar>(row[3 * x]);
        }
    }
    return image;
}

QImage BmpDecoder::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decode(file.readAll());
}
