// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/ImageDecoder.h"

#include <QString>

class EffectImage;

// An EEPROM image file as the program reads and writes it.
class ImageFile
{
public:
    // Reads the file into page slots 1..64 of `image`, in the layout its extension names, and
    // returns that layout. Throws AppError `Cannot open file "<path>": <reason>` when the file cannot be
    // read; the image is then unchanged.
    static ImageLayout load(const QString &path, EffectImage &image);
    // Whether the file holds bytes that load() never reads: longer than its layout (a dump of a
    // bigger chip), or no regular file. Writing it back would lose them.
    static bool holdsMoreThanItsLayout(const QString &path);
    // Writes slots 1..64 in the layout, whole, replacing the file only when every byte reached
    // the disk. Throws AppError `Cannot save "<path>": <reason>`; the old file is then intact.
    static void save(const QString &path, const EffectImage &image, ImageLayout layout);
};
