// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/PagesChangeCommand.h"

PagesChangeCommand::PagesChangeCommand(
    EffectImage &image, Pages before, Pages after, int shown, Announce announce, const QString &text)
    : QUndoCommand(text)
    , m_image(image)
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_shown(shown)
    , m_announce(std::move(announce))
{
}

void PagesChangeCommand::apply(const Pages &pages)
{
    m_image.setCurrentPage(static_cast<std::uint16_t>(m_shown)); // the page the change was made on
    bool shownChanged = false;
    for (int page = 1; page <= EffectImage::PageCount; ++page) {
        const EffectImage::Page &states = pages[static_cast<std::size_t>(page - 1)];
        if (m_image.page(page) != states) {
            m_image.setPage(page, states);
            m_announce(page);
            shownChanged = shownChanged || page == m_shown;
        }
    }
    if (!shownChanged)
        m_announce(m_shown); // shown again all the same
}
