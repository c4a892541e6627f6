// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/ColourSettings.h"

#include <QtGlobal>

std::array<std::uint8_t, ColourSettings::EntryCount> ColourSettings::defaults()
{
    std::array<std::uint8_t, EntryCount> values {};
    for (int k = 1; k <= ColumnCount; ++k)
        values[static_cast<std::size_t>(k - 1)]
            = static_cast<std::uint8_t>((k - 1) % 4 + 1); // red, green, blue, yellow
    values[OffStyleEntry - 1] = Ring;
    return values;
}

std::uint8_t ColourSettings::defaultEntry(int k)
{
    Q_ASSERT(k >= 1 && k <= EntryCount);
    return defaults()[static_cast<std::size_t>(k - 1)];
}

std::uint8_t ColourSettings::entry(int k) const
{
    Q_ASSERT(k >= 1 && k <= EntryCount);
    return m_entries[static_cast<std::size_t>(k - 1)];
}

void ColourSettings::setEntry(int k, std::uint8_t value)
{
    Q_ASSERT(k >= 1 && k <= EntryCount);
    m_entries[static_cast<std::size_t>(k - 1)] = value;
}
