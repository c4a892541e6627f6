// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

// The colour settings table: entries 1..16 give the colour code of matrix column 1..16 (from
// the left) and of preview LED 1..16; entry 17 is the look of unlit LEDs. Values outside the
// named ranges are kept as they are; glyph choice falls back for them.
class ColourSettings
{
public:
    static constexpr int EntryCount = 17;
    static constexpr int ColumnCount = 16;
    static constexpr int OffStyleEntry = 17;

    enum Colour : std::uint8_t { Red = 1, Green = 2, Blue = 3, Yellow = 4 };
    enum OffStyle : std::uint8_t { Ring = 1, Crossed = 2, Blank = 3 };

    // Precondition for every entry number: 1 <= k <= EntryCount.
    std::uint8_t entry(int k) const;
    void setEntry(int k, std::uint8_t value);
    static std::uint8_t defaultEntry(int k);

    bool operator==(const ColourSettings &) const = default;

private:
    static std::array<std::uint8_t, EntryCount> defaults();
    std::array<std::uint8_t, EntryCount> m_entries = defaults();
};
