// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>
#include <cstdint>
#include <optional>

// Reads a decimal integer the strict way the program's texts need: an optional sign and ASCII
// digits, nothing else, within the 32-bit signed range.
namespace DecimalText {
std::optional<std::int32_t> parse(QStringView text);
} // namespace DecimalText
