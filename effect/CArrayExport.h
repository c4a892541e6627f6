// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/ImageDecoder.h"

#include <QByteArray>
#include <QString>

struct CArrayOptions
{
    bool words = false; // 16-bit words as the chip stores them, the row's first byte low
    bool leftmostInHighBit = false; // else bit 0 is a byte's leftmost LED, as the chip has it
    bool progmem = false; // kept in an AVR's flash
};

// The image as a C header for firmware: `const unsigned char <name>[2048]` (1024 in the 8-bit
// layout), sixteen bytes a line, each page after a comment with its number.
class CArrayExport
{
public:
    // Precondition: words only in the 16-bit layout.
    static QByteArray header(
        const EffectImage &image, ImageLayout layout, const QString &name, CArrayOptions options = {});
    // A valid C identifier made of a file's name: "my effect.bin" gives "my_effect".
    static QString identifierFor(const QString &path);
};
