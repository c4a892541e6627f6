// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/ColourSettings.h"
#include "effect/EffectImage.h"

#include <QColor>
#include <array>

// The LEDs as the overview and the exported animations draw them: each column in its colour
// from the Options dialog, bright when lit and dim when not. Worked out once for a whole drawing.
class LedColours
{
public:
    explicit LedColours(const ColourSettings &colours)
    {
        static const QColor bright[] = {Qt::red, QColor(0, 200, 0), QColor(40, 80, 255), QColor(240, 220, 0)};
        for (int column = 0; column < EffectImage::ColumnCount; ++column) {
            const int code = colours.entry(column + 1);
            const QColor colour
                = code >= ColourSettings::Red && code <= ColourSettings::Yellow ? bright[code - 1] : bright[0];
            m_lit[static_cast<std::size_t>(column)] = colour.rgb();
            m_unlit[static_cast<std::size_t>(column)] = colour.darker(400).rgb();
        }
    }

    // Precondition: column 0..15, left to right.
    QRgb led(int column, bool lit) const { return (lit ? m_lit : m_unlit)[static_cast<std::size_t>(column)]; }

private:
    std::array<QRgb, EffectImage::ColumnCount> m_lit {};
    std::array<QRgb, EffectImage::ColumnCount> m_unlit {};
};
