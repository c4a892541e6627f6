// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/ColourSettings.h"

#include <QColor>

namespace OverviewColours {

// A LED of `column` (0..15, left to right) as the overview draws it: its column's colour from the
// Options dialog, bright when lit and dim when not.
inline QRgb led(const ColourSettings &colours, int column, bool lit)
{
    static const QColor bright[] = {Qt::red, QColor(0, 200, 0), QColor(40, 80, 255), QColor(240, 220, 0)};
    const int code = colours.entry(column + 1);
    const QColor colour = code >= ColourSettings::Red && code <= ColourSettings::Yellow ? bright[code - 1] : bright[0];
    return (lit ? colour : colour.darker(400)).rgb();
}

} // namespace OverviewColours
