// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <cstdint>

// Our own font for text on a string: 8 LEDs high (capitals 7, with a row below for the tails
// of g, j, p, q, y), printable ASCII and the German letters. Anything else is drawn as '?'.
namespace PixelFont {

constexpr int Height = 8;

// The text as columns, left to right, one blank column after each glyph. Bit y of a column is
// the glyph's row y, 0 the top.
QList<std::uint8_t> columns(const QString &text);

} // namespace PixelFont
