// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

// How columns are numbered wherever the user reads a number for one (the label strips, the
// LEDs' names for screen readers, the Options dialog): 16 at the left down to 1 at the right,
// as the string's LEDs are wired.
namespace ColumnLabels {
inline constexpr int Count = 16;

// The number of column `fromLeft` (0 at the left).
constexpr int number(int fromLeft)
{
    return Count - fromLeft;
}
} // namespace ColumnLabels
