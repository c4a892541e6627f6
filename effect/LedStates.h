// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

// What an LED indicator shows. An indicator that was never switched shows no glyph at all.
enum class LedState : std::uint8_t { NeverSet, On, Off };

// What every indicator of the main window shows: the 256 matrix LEDs and the 16 preview LEDs.
// It decides whether an indicator must be switched, and what a press on a matrix LED makes of it.
//
// LED numbers: 1..256 for the matrix, row-major from the top-left; 501..516 for the preview
// strip, left to right. Precondition for every LED number argument: isLedNumber(n).
class LedStates
{
public:
    static constexpr int MatrixLedCount = 256;
    static constexpr int PreviewLedCount = 16;
    static constexpr int FirstPreviewLed = 501;

    static bool isMatrixLed(int n) { return n >= 1 && n <= MatrixLedCount; }
    static bool isPreviewLed(int n) { return n >= FirstPreviewLed && n < FirstPreviewLed + PreviewLedCount; }
    static bool isLedNumber(int n) { return isMatrixLed(n) || isPreviewLed(n); }
    // The colour column (1..16, from the left) of a matrix or preview LED.
    static int columnOf(int n);
    // The indicator's shown state for an image state byte (0 lit, 1 off).
    static LedState shownFor(std::uint8_t imageState);

    LedState shown(int n) const;
    // Records that LED n is to show `imageState`. False when it already shows it and the change
    // is not forced: then nothing needs redrawing.
    bool change(int n, std::uint8_t imageState, bool force);

    // The image state a press on a matrix LED gives. A press lights an LED that is off or was
    // never set, and switches a lit one off; while the right button paints, it always lights.
    static std::uint8_t pressedState(LedState shown, bool painting);

private:
    static std::size_t slot(int n);

    std::array<LedState, MatrixLedCount + PreviewLedCount> m_shown {};
};
