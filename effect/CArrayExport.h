// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/ImageDecoder.h"

#include <QByteArray>
#include <QString>

// The image as a C header for firmware: `const unsigned char <name>[2048]` (1024 in the 8-bit
// layout), sixteen bytes a line, each page after a comment with its number.
class CArrayExport
{
public:
    static QByteArray header(const EffectImage &image, ImageLayout layout, const QString &name);
    // A valid C identifier made of a file's name: "my effect.bin" gives "my_effect".
    static QString identifierFor(const QString &path);
};
