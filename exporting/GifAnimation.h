// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/EffectImage.h"

#include <QByteArray>

class ColourSettings;

// The effect as an animated GIF, looping, its LEDs drawn as discs in the column colours (bright
// when lit, dim when not): Rows shows the string as it plays, a frame a row at `rowsPerSecond`
// (the clock's rate); Pages shows the matrix, a frame a page, each as long as its 16 rows play.
// `leds` is the string's length: 16, or 8 for the 8-LED layout.
namespace GifAnimation {

enum class Kind { Rows, Pages };

constexpr int LedPixels = 16; // a LED's square, its disc inside

// The frame delay GIF keeps, in hundredths of a second, for a frame of `rows` rows.
int delayOf(int rows, int rowsPerSecond);
// Throws AppError should giflib fail.
QByteArray make(const EffectImage &image, int leds, const ColourSettings &colours, int rowsPerSecond, Kind kind);

} // namespace GifAnimation
