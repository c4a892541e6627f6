// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "ColourValues.h"

#include "ColourSettings.h"
#include "FormStorage.h"

#include <QRegularExpression>

QList<std::pair<QString, QString>> ColourValues::storedValues()
{
    QList<std::pair<QString, QString>> values;
    for (int k = 1; k <= ColourSettings::EntryCount; ++k)
        values.append({name(k), QString::number(ColourSettings::defaultEntry(k))});
    return values;
}

std::optional<int> ColourValues::parseStored(const QString &text)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]+$"));
    const QString number = text.trimmed();
    if (!decimal.match(number).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qlonglong value = number.toLongLong(&ok);
    if (!ok || value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

void ColourValues::copyIn(const FormStorage &storage, ColourSettings &colours)
{
    for (int k = 1; k <= ColourSettings::EntryCount; ++k) {
        const std::optional<int> value = parseStored(storage.value(name(k)));
        colours.setEntry(k, value ? static_cast<std::uint8_t>(*value & 0xFF) : ColourSettings::defaultEntry(k));
    }
}

void ColourValues::copyOut(const ColourSettings &colours, FormStorage &storage)
{
    for (int k = 1; k <= ColourSettings::EntryCount; ++k)
        storage.setValue(name(k), colours.entry(k));
}
