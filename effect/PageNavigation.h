// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>

// The page arithmetic of the position box and the Up and Down buttons.
class PageNavigation
{
public:
    // The page the position box asks for: empty text is page 1; otherwise a decimal integer with
    // an optional sign, its low 16 bits taken unsigned, 0 raised to 1 and 64 or more lowered to
    // 64 (so "-1" is 65535 and shows page 64). Throws AppError "'<text>' is not a valid integer
    // value" for any other text.
    static std::uint16_t pageFromText(const QString &text);

    static std::uint16_t nextPage(std::uint16_t page); // at most 64
    static std::uint16_t previousPage(std::uint16_t page); // at least 1
    // The page after `page` when playback runs through all pages: 64 wraps to 1.
    static std::uint16_t followingPage(std::uint16_t page);
};
