// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/ImageDecoder.h"

#include <QByteArray>
#include <QList>

// Turns the 64 page slots of an EffectImage into the bytes of an EEPROM image: the exact
// inverse of ImageDecoder for every image it can produce.
class ImageEncoder
{
public:
    // ImageDecoder::byteCount(layout) bytes. In the 8-bit layout only the left half of each row
    // is kept; lit LEDs in the right half are lost (see rightHalfLitPages()).
    static QByteArray encode(const EffectImage &image, ImageLayout layout);
    // The pages (1..64) with a lit LED in the right half of a row.
    static QList<int> rightHalfLitPages(const EffectImage &image);
};
