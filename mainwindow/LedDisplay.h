// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/LedStates.h"

#include <array>
#include <cstdint>

class ColourSettings;
class EffectImage;
class GlyphBitmaps;
class LedIndicator;
class LedPanel;
class QImage;

// What the matrix and the preview strip show: each LED switched only when its state changes
// (unless forced), in the glyph the colours give its column.
class LedDisplay
{
public:
    LedDisplay(LedPanel &matrix, LedPanel &previewStrip, const EffectImage &image, const ColourSettings &colours,
        const GlyphBitmaps &glyphs);

    // Switches LED n (1..256 matrix, 501..516 preview) to the image state (0 lit, 1 off). Unless
    // forced, an LED already showing that state is left untouched, old colour and all.
    void setLed(int n, std::uint8_t state, bool force);
    LedState shown(int n) const { return m_states.shown(n); }
    LedIndicator *indicator(int n) const;
    // Matrix LED n (1..256) for an indicator of the matrix.
    int matrixLedOf(const LedIndicator *indicator) const;

    // Every matrix LED from the image's current page; forced, each is redrawn in the present
    // colours.
    void showCurrentPage(bool force);
    void showPreviewRow(const std::array<std::uint8_t, LedStates::PreviewLedCount> &row);
    // The preview strip off until the next tick lights it.
    void clearPreviewStrip();

private:
    const QImage *glyphImage(int column, bool unlit) const;

    LedPanel &m_matrix;
    LedPanel &m_previewStrip;
    const EffectImage &m_image;
    const ColourSettings &m_colours;
    const GlyphBitmaps &m_glyphs;
    LedStates m_states;
};
