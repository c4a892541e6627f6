// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "settings/ColourValues.h"

#include "common/ColourSettings.h"
#include "common/DecimalText.h"
#include "settings/WindowSettings.h"

QList<std::pair<QString, QString>> ColourValues::storedValues()
{
    QList<std::pair<QString, QString>> values;
    for (int k = 1; k <= ColourSettings::EntryCount; ++k)
        values.append({name(k), QString::number(ColourSettings::defaultEntry(k))});
    return values;
}

std::optional<int> ColourValues::parseStored(const QString &text)
{
    return DecimalText::parse(QStringView(text).trimmed());
}

void ColourValues::copyIn(const WindowSettings &storage, ColourSettings &colours)
{
    for (int k = 1; k <= ColourSettings::EntryCount; ++k) {
        const std::optional<int> value = parseStored(storage.value(name(k)));
        colours.setEntry(k, value ? static_cast<std::uint8_t>(*value & 0xFF) : ColourSettings::defaultEntry(k));
    }
}

void ColourValues::copyOut(const ColourSettings &colours, WindowSettings &storage)
{
    for (int k = 1; k <= ColourSettings::EntryCount; ++k)
        storage.setValue(name(k), colours.entry(k));
}
