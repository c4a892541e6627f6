// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/PreviewPlayer.h"

#include "effect/EffectImage.h"
#include "effect/PageNavigation.h"

#include <algorithm>

PreviewPlayer::PreviewPlayer(const EffectImage &image)
    : m_image(image)
{
}

std::optional<int> PreviewPlayer::step(Mode mode)
{
    if (++m_row < EffectImage::RowCount)
        return std::nullopt;
    m_row = 0;
    if (mode != Mode::AllPages)
        return std::nullopt;
    return PageNavigation::followingPage(m_image.currentPage());
}

std::array<std::uint8_t, 16> PreviewPlayer::rowStates() const
{
    std::array<std::uint8_t, 16> states {};
    const EffectImage::Page &page = m_image.page(m_image.currentPage());
    std::copy_n(page.begin() + EffectImage::ColumnCount * m_row, states.size(), states.begin());
    return states;
}
