// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/EffectImage.h"

#include <QtGlobal>

const EffectImage::Page &EffectImage::page(int number) const
{
    Q_ASSERT(isValidPage(number));
    return m_slots[static_cast<std::size_t>(number - 1)];
}

EffectImage::Page &EffectImage::slot(int number)
{
    Q_ASSERT(isValidPage(number));
    return m_slots[static_cast<std::size_t>(number - 1)];
}

void EffectImage::setSlotEntry(int pageNumber, int index, std::uint8_t state)
{
    Q_ASSERT(index >= 0 && index < LedsPerPage);
    slot(pageNumber)[static_cast<std::size_t>(index)] = state;
}

void EffectImage::setPage(int number, const Page &states)
{
    slot(number) = states;
}

void EffectImage::fillAllPagesOff()
{
    for (Page &p : m_slots)
        p.fill(Off);
}
