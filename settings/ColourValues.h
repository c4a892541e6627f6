// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/ProgramTexts.h"

#include <QList>
#include <QString>
#include <optional>
#include <utility>

class ColourSettings;
class WindowSettings;

// The colour settings table as the settings file keeps it: named values led_col1 .. led_col17.
class ColourValues
{
public:
    static QString name(int k) { return QString::fromUtf8(Texts::ColourKeyPattern).arg(k); }
    // The 17 stored values with their design contents.
    static QList<std::pair<QString, QString>> storedValues();

    // Entry k takes the low 8 bits of its value ("-1" gives 255, "257" gives 1). A text that is
    // no decimal integer within 32 bits keeps the entry's default, so a hand-edited file can
    // never stop the program from starting.
    static void copyIn(const WindowSettings &storage, ColourSettings &colours);
    static void copyOut(const ColourSettings &colours, WindowSettings &storage);
    static std::optional<int> parseStored(const QString &text);
};
