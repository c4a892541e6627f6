// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>

class EffectImage;

// Plays the effect on the 16-LED preview strip, one row of the shown page per clock tick.
// The clock only calls step(); the window shows what it returns.
class PreviewPlayer
{
public:
    enum class Mode {
        SinglePage, // rows 1..15, 0 of the shown page, over and over
        AllPages, // after the last row, on to the following page (64 wraps to 1)
    };

    explicit PreviewPlayer(const EffectImage &image);

    // The row shown last, 0..15; 0 before the first tick.
    int row() const { return m_row; }
    // Starts over: the next tick shows row 1.
    void rewind() { m_row = 0; }
    // Precondition: 0..15. That row is the one shown now; the next tick goes on from it.
    void setRow(int row) { m_row = row; }

    // One tick: the next row. In AllPages mode, after row 15, the page that follows the shown one:
    // the caller shows it before the row.
    std::optional<int> step(Mode mode);

    // The image states (0 lit, 1 off) of the shown page's current row, left to right.
    std::array<std::uint8_t, 16> rowStates() const;

private:
    const EffectImage &m_image;
    int m_row = 0;
};
