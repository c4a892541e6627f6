// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>
#include <cstdint>
#include <optional>

// Reads a decimal integer the strict way the program's texts need: an optional sign and ASCII
// digits, nothing else, within the 32-bit signed range. (A hand-written scan: a regular
// expression would cost its compilation at start-up.)
class DecimalText
{
public:
    static std::optional<std::int32_t> parse(QStringView text);
};
