// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/RowTools.h"

#include <QUndoCommand>
#include <functional>

// One step of the edit history that changes many pages at once (a tool over a range, an inserted or deleted page, a
// generated effect): all pages as they were and as they became. Undoing or redoing it makes the page it was made on the
// current one again and announces each page that changes, and that page.
class PagesChangeCommand : public QUndoCommand
{
public:
    using Pages = RowTools::Pages;
    using Announce = std::function<void(int page)>;

    // The change is already worked out when the command is pushed; its first redo makes it.
    PagesChangeCommand(
        EffectImage &image, Pages before, Pages after, int shown, Announce announce, const QString &text);

    void undo() override { apply(m_before); }
    void redo() override { apply(m_after); }

private:
    void apply(const Pages &pages);

    EffectImage &m_image;
    Pages m_before;
    Pages m_after;
    int m_shown;
    Announce m_announce;
};
