// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/ImageDecoder.h"

class EffectImage;
class QString;

// An EEPROM image file as the program reads it.
class ImageFile
{
public:
    // Reads the file into page slots 1..64 of `image`, in the layout its extension names, and
    // returns that layout. Throws AppError `Cannot open file "<path>"` when the file cannot be
    // read; the image is then unchanged.
    static ImageLayout load(const QString &path, EffectImage &image);
};
