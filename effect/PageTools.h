// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/EffectImage.h"

#include <QByteArray>
#include <QString>
#include <optional>

// What the Edit menu does to a whole page, and a page as bytes for the clipboard: 32 bytes in
// the chip's 16-bit layout (two a row, bit 0 the leftmost LED, 0 lit).
class PageTools
{
public:
    static EffectImage::Page cleared(); // all off
    static EffectImage::Page filled(); // all on
    static EffectImage::Page inverted(const EffectImage::Page &page);

    static constexpr qsizetype ByteCount = 32;
    static QByteArray bytes(const EffectImage::Page &page);
    static EffectImage::Page fromBytes(const QByteArray &bytes); // precondition: ByteCount bytes
    // As a hex editor or a C array shows them: "0x12, 0x34, ...".
    static QString hexText(const QByteArray &bytes);
    // 32 bytes written in hex: "0x12, 0x34 ..." (any separators) or "1234..." (pairs of digits).
    // Nothing for any other text.
    static std::optional<QByteArray> parseHex(const QString &text);
};
