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

    // The tools that move light, on a string of `leds` LEDs (16, or 8 for the 8-LED layout: the
    // left half of each row; the right half stays as it is). LED 1 is the rightmost column.
    // One LED along the string toward LED 1 (or away from it); what falls off the end comes back
    // at the other end when wrapping, else unlit LEDs come in.
    static EffectImage::Page shiftedAlong(const EffectImage::Page &page, int leds, bool towardLedOne, bool wrap);
    // The string the other way round, each row.
    static EffectImage::Page mirrored(const EffectImage::Page &page, int leds);
    // One row earlier (or later) in time, the row pushed out coming back at the other end.
    static EffectImage::Page shiftedInTime(const EffectImage::Page &page, bool earlier);
    // The rows in the opposite order: the effect played backwards.
    static EffectImage::Page reversedInTime(const EffectImage::Page &page);

    static constexpr qsizetype ByteCount = 32;
    static QByteArray bytes(const EffectImage::Page &page);
    static EffectImage::Page fromBytes(const QByteArray &bytes); // precondition: ByteCount bytes
    // As a hex editor or a C array shows them: "0x12, 0x34, ...".
    static QString hexText(const QByteArray &bytes);
    // 32 bytes written in hex: "0x12, 0x34 ..." (any separators) or "1234..." (pairs of digits).
    // Nothing for any other text.
    static std::optional<QByteArray> parseHex(const QString &text);
};
