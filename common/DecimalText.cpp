// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/DecimalText.h"

#include <charconv>

namespace DecimalText {

std::optional<std::int32_t> parse(QStringView text)
{
    // Anything beyond ASCII becomes '?', which no number holds.
    QByteArray ascii = text.toLatin1();
    // from_chars takes a minus but no plus; "+-1" stays refused.
    if (ascii.startsWith('+') && !ascii.startsWith("+-"))
        ascii.remove(0, 1);
    std::int32_t value = 0;
    const char *end = ascii.constData() + ascii.size();
    const auto [stop, error] = std::from_chars(ascii.constData(), end, value);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

} // namespace DecimalText
