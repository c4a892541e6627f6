// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/PageChangeCommand.h"

PageChangeCommand::PageChangeCommand(EffectImage &image, int page, const EffectImage::Page &before,
    const EffectImage::Page &after, ShowPage show, const QString &text)
    : QUndoCommand(text)
    , m_image(image)
    , m_page(page)
    , m_before(before)
    , m_after(after)
    , m_show(std::move(show))
{
}

void PageChangeCommand::undo()
{
    m_image.setPage(m_page, m_before);
    m_show(m_page);
}

void PageChangeCommand::redo()
{
    m_image.setPage(m_page, m_after);
    m_show(m_page);
}
