// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

class ColourSettings;
class EffectImage;

// All 64 pages in one picture for documentation: 8 pages a row, each LED a dot in its column's
// colour, or dark when off, each page under its number.
class PngExport
{
public:
    static QImage render(const EffectImage &image, const ColourSettings &colours);
};
