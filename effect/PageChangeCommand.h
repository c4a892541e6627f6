// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/EffectImage.h"

#include <QUndoCommand>
#include <functional>

// One step of the edit history: a page as it was and as it became. Undoing or redoing it puts
// that page into its slot and has it shown.
class PageChangeCommand : public QUndoCommand
{
public:
    using ShowPage = std::function<void(int page)>;

    // The change is already made when the command is pushed; its first redo shows it again.
    PageChangeCommand(EffectImage &image, int page, const EffectImage::Page &before, const EffectImage::Page &after,
        ShowPage show, const QString &text);

    void undo() override;
    void redo() override;

private:
    EffectImage &m_image;
    int m_page;
    EffectImage::Page m_before;
    EffectImage::Page m_after;
    ShowPage m_show;
};
