// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/EffectImage.h"
#include "effect/RowSelection.h"

#include <QByteArray>
#include <QList>
#include <array>
#include <span>

// The Edit menu's tools over chosen rows of the whole effect. `rows` ascend (0..1023) and are
// taken in time order as one run, wherever they lie: shifting in time wraps within them.
// `leds` is the string's length, 16, or 8 for the 8-LED layout (the left half of each row;
// the right half stays as it is).
namespace RowTools {

using Pages = std::array<EffectImage::Page, EffectImage::PageCount>;
using Row = std::span<std::uint8_t, EffectImage::ColumnCount>;

Row row(Pages &pages, int index);
Pages pagesOf(const EffectImage &image);

enum class Along {
    Clear, // every LED of the row, right half too: nothing stays lit
    Fill,
    Invert,
    ShiftTowardLedOne, // LED 1 is the rightmost column; unlit LEDs come in
    ShiftAway,
    RotateTowardLedOne, // what falls off one end comes back at the other
    RotateAway,
    Mirror,
};
void changeAlong(Pages &pages, const QList<int> &rows, int leds, Along tool);

// One row earlier (or later), the row pushed out coming back at the other end.
void shiftInTime(Pages &pages, const QList<int> &rows, bool earlier);
void reverse(Pages &pages, const QList<int> &rows);
// The rows after the first `count` repeat those: a hold is a repeated row. Precondition: count >= 1.
void repeat(Pages &pages, const QList<int> &rows, int count);

// The lit LEDs of the last `count` rows: what an insert of `count` rows pushes off the end.
int litLedsAtEnd(const Pages &pages, int count);
// `count` unlit rows before row `at`, the later rows pushed on and the last `count` off the end.
void insertRows(Pages &pages, int at, int count);
// The rows gone, the later rows pulled in, unlit rows at the end.
void deleteRows(Pages &pages, const QList<int> &rows);

// A row of the string as one number: bit i is LED i + 1, LED 1 the string's last column.
using Frame = std::uint16_t;
// `frames` written one a row into `rows`, as many as there are rows: the string's `leds` LEDs of
// each row, the rest of the row as it was.
void writeFrames(Pages &pages, const QList<int> &rows, const QList<Frame> &frames, int leds);
// An unlit image with `frames` from its first row on; what runs past the last row is left out.
EffectImage imageOfFrames(const QList<Frame> &frames, int leds);

// The rows as the chip stores them: two bytes a row, bit 0 the leftmost LED, 0 lit.
QByteArray bytes(const Pages &pages, const QList<int> &rows);
// Rows in that form (an even count of bytes) written from row `at` on; what runs past the last
// row is cut. Returns the number of rows cut.
int paste(Pages &pages, int at, const QByteArray &bytes);

} // namespace RowTools
