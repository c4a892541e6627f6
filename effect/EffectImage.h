// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

// The whole light effect in memory: 64 pages of 16x16 LED states and the number of the page
// shown. Fixed size; it never allocates.
//
// LED state byte: 0 = On (lit), 1 = Off. Index i of a page is LED number i + 1, row i / 16,
// column i % 16.
class EffectImage
{
public:
    static constexpr int PageCount = 64;
    static constexpr int RowCount = 16;
    static constexpr int ColumnCount = 16;
    static constexpr int LedsPerPage = RowCount * ColumnCount;
    static constexpr std::uint8_t On = 0;
    static constexpr std::uint8_t Off = 1;

    using Page = std::array<std::uint8_t, LedsPerPage>;

    // Precondition for every page argument: 1 <= number <= PageCount.
    const Page &page(int number) const;
    void setSlotEntry(int pageNumber, int index, std::uint8_t state);
    void setPage(int number, const Page &states);

    // Not clamped here: callers clamp it their own way before a page is shown.
    std::uint16_t currentPage() const { return m_currentPage; }
    void setCurrentPage(std::uint16_t number) { m_currentPage = number; }
    static bool isValidPage(int number) { return number >= 1 && number <= PageCount; }

    void fillAllPagesOff();

private:
    Page &slot(int number);

    std::array<Page, PageCount> m_slots {};
    std::uint16_t m_currentPage = 1;
};
