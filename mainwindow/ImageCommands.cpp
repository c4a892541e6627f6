// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/ImageCommands.h"

#include "common/ProgramTexts.h"
#include "compare/ComparisonSession.h"
#include "document/EffectDocument.h"
#include "effect/EffectImage.h"
#include "effect/ImageDecoder.h"
#include "effect/ImageFile.h"
#include "mainwindow/ImageFileDialog.h"
#include "mainwindow/OpenDialogState.h"
#include "mainwindow/PageControls.h"
#include "overview/OverviewDock.h"
#include "recovery/RecoveryStore.h"
#include "widgets/ErrorBox.h"

ImageCommands::ImageCommands(QWidget &window, const Parts &parts)
    : m_window(window)
    , m_parts(parts)
    , m_askForPath(&ImageFileDialog::ask)
{
}

void ImageCommands::loadChosen()
{
    const OpenDialogState &dialog = m_parts.openDialog;
    loadFrom([&] { return m_askForPath(&m_window, dialog.initialDir, dialog.defaultExt, {}); });
}

void ImageCommands::loadFile(const QString &path)
{
    loadFrom([&path] { return std::optional<QString>(path); });
}

void ImageCommands::loadFrom(const std::function<std::optional<QString>()> &choosePath)
{
    if (!m_parts.document.maybeSave())
        return;
    ErrorBox::guard(&m_window, [&] {
        showNewImage([&] {
            if (const std::optional<QString> path = choosePath()) // nothing: page 1 all the same
                m_parts.document.loaded(*path, ImageFile::load(*path, m_parts.image));
        });
    });
}

void ImageCommands::showNewImage(const std::function<void()> &fill)
{
    m_parts.image.storeBack();
    fill();
    m_parts.image.setCurrentPage(1);
    m_parts.comparison.update();
    m_parts.overview.refresh();
    m_parts.pages.showCurrentPage();
}

void ImageCommands::takeInRecoveryCopy(const RecoveryCopy &copy)
{
    showNewImage([&] {
        ImageDecoder::decode(copy.image, ImageLayout::Bits16, m_parts.image);
        m_parts.document.recovered(copy.imagePath, copy.layout, copy.fileStamp);
    });
}

void ImageCommands::compareWithChosen()
{
    const OpenDialogState &dialog = m_parts.openDialog;
    const std::optional<QString> path
        = m_askForPath(&m_window, dialog.initialDir, dialog.defaultExt, Texts::shown(Texts::CompareDialogTitle));
    if (path)
        ErrorBox::guard(&m_window, [&] { m_parts.comparison.compareWith(*path); });
}

void ImageCommands::showNextDifference(bool forward)
{
    const int shown = m_parts.image.currentPage();
    if (const std::optional<int> page = m_parts.comparison.differences().nextDifferingPage(shown, forward))
        showPage(*page);
}

void ImageCommands::showPage(int page)
{
    m_parts.image.storeBack();
    m_parts.pages.showPage(page);
}
