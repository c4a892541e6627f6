// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/PreviewPlayer.h"

#include "effect/EffectImage.h"
#include "effect/PageNavigation.h"

PreviewPlayer::PreviewPlayer(EffectImage &image)
    : m_image(image)
{
}

bool PreviewPlayer::step(Mode mode)
{
    if (++m_row < EffectImage::RowCount)
        return false;
    m_row = 0;
    if (mode != Mode::AllPages)
        return false;
    m_image.setCurrentPage(PageNavigation::followingPage(m_image.currentPage()));
    return true;
}

std::array<std::uint8_t, 16> PreviewPlayer::rowStates() const
{
    std::array<std::uint8_t, 16> states {};
    for (int column = 0; column < EffectImage::ColumnCount; ++column)
        states[static_cast<std::size_t>(column)] = m_image.workingEntry(EffectImage::ColumnCount * m_row + column);
    return states;
}
