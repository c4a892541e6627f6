// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/EffectImage.h"

#include <QByteArrayView>
#include <QString>

enum class ImageLayout {
    Bits16, // two bytes a row: the chip's own 2048-byte image
    Bits8, // one byte a row, left half only: 1024 bytes
};

// Turns the bytes of an EEPROM image into the 64 page slots of an EffectImage.
class ImageDecoder
{
public:
    // ".bin8" in any letter case is the 8-bit layout; everything else, ".bin" and ".bin16"
    // included, is read as the chip's 16-bit layout.
    static ImageLayout layoutForPath(const QString &path);
    static qsizetype byteCount(ImageLayout layout);
    // The layout of a whole chip of `size` bytes: the 8-bit one for the 1024-byte part.
    static ImageLayout layoutForChipSize(qsizetype size)
    {
        return size == byteCount(ImageLayout::Bits8) ? ImageLayout::Bits8 : ImageLayout::Bits16;
    }

    // Overwrites every slot 1..64 and nothing else. Bytes past the end of `bytes` count as
    // 0xFF (an erased cell: Off); bytes past byteCount() are ignored.
    static void decode(QByteArrayView bytes, ImageLayout layout, EffectImage &image);
};
