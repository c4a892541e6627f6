// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/TimeAxis.h"

#include <algorithm>

TimeAxis::TimeAxis(int pixelsPerRow)
    : m_pixelsPerRow(std::clamp(pixelsPerRow, MinPixelsPerRow, MaxPixelsPerRow))
{
}

int TimeAxis::rowAt(int x) const
{
    if (x < 0 || x >= length())
        return -1;
    return x / m_pixelsPerRow;
}

int TimeAxis::zoom(int steps, int anchor, int scroll)
{
    const int before = m_pixelsPerRow;
    int after = before;
    for (; steps > 0 && after < MaxPixelsPerRow; --steps)
        after *= 2;
    for (; steps < 0 && after > MinPixelsPerRow; ++steps)
        after /= 2;
    m_pixelsPerRow = std::clamp(after, MinPixelsPerRow, MaxPixelsPerRow);
    // The point of the strip under the anchor, in rows, stays under it.
    const long long point = static_cast<long long>(scroll) + anchor;
    return static_cast<int>(point * m_pixelsPerRow / before - anchor);
}
