// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/EffectImage.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Whole pages, and rows as bytes for the clipboard in the chip's 16-bit layout (two a row,
// bit 0 the leftmost LED, 0 lit).
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
    // Whole rows written in hex, two bytes a row, 1 to 1024 of them: "0x12, 0x34 ..." (any
    // separators) or "1234..." (pairs of digits). Nothing for any other text.
    static std::optional<QByteArray> parseHex(const QString &text);
};
