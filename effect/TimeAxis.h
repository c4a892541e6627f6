// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/EffectImage.h"

// The effect as the string plays it: its 1024 rows one after the other, rows 0..15 of page 1,
// then of page 2, and so on, laid along a strip where each row is a whole number of pixels wide.
class TimeAxis
{
public:
    static constexpr int RowCount = EffectImage::PageCount * EffectImage::RowCount;
    static constexpr int MinPixelsPerRow = 1;
    static constexpr int MaxPixelsPerRow = 32;

    struct Place
    {
        int page; // 1..64
        int row; // 0..15
        bool operator==(const Place &) const = default;
    };

    // Precondition: page 1..64, row 0..15.
    static int rowIndex(int page, int row) { return (page - 1) * EffectImage::RowCount + row; }
    // Precondition: 0 <= index < RowCount.
    static Place placeOf(int index) { return {index / EffectImage::RowCount + 1, index % EffectImage::RowCount}; }

    // Clamped to MinPixelsPerRow..MaxPixelsPerRow.
    explicit TimeAxis(int pixelsPerRow = 2);

    int pixelsPerRow() const { return m_pixelsPerRow; }
    int length() const { return RowCount * m_pixelsPerRow; }
    int left(int index) const { return index * m_pixelsPerRow; }
    // The row at distance x from the strip's start, or -1 outside the strip.
    int rowAt(int x) const;

    // Zooms by doubling (steps > 0) or halving (steps < 0) the row width, within the limits,
    // keeping the row under `anchor` (px from the view's left edge) where it is. Takes the view's
    // scroll offset and returns the new one.
    int zoom(int steps, int anchor, int scroll);

private:
    int m_pixelsPerRow;
};
