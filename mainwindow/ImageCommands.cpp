// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/ImageCommands.h"

#include "common/ProgramTexts.h"
#include "compare/ComparisonSession.h"
#include "document/EffectDocument.h"
#include "mainwindow/ImageFileDialog.h"
#include "mainwindow/OpenDialogState.h"
#include "mainwindow/PageControls.h"
#include "recovery/RecoveryStore.h"
#include "widgets/ErrorBox.h"

#include <QFileInfo>

ImageCommands::ImageCommands(QWidget &window, const Parts &parts)
    : m_window(window)
    , m_parts(parts)
    , m_askForPath(&ImageFileDialog::ask)
{
}

QString ImageCommands::startFolder() const
{
    const QString current = m_parts.document.path();
    if (!current.isEmpty())
        return QFileInfo(current).absolutePath();
    return m_lastFolder.isEmpty() ? m_parts.openDialog.initialDir : m_lastFolder;
}

std::optional<QString> ImageCommands::askForImage(const QString &title)
{
    const std::optional<QString> path = m_askForPath(&m_window, startFolder(), m_parts.openDialog.defaultExt, title);
    if (path)
        m_lastFolder = QFileInfo(*path).absolutePath();
    return path;
}

void ImageCommands::loadChosen()
{
    loadFrom([this] { return askForImage({}); });
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
        if (const std::optional<QString> path = choosePath())
            m_parts.document.load(*path); // the new image's page 1 shows, as the document announces it
        else
            showPage(1); // as File › Load always did
    });
}

void ImageCommands::takeInRecoveryCopy(const RecoveryCopy &copy)
{
    m_parts.document.recover(copy.imagePath, copy.layout, copy.image, copy.fileStamp);
}

void ImageCommands::compareWithChosen()
{
    const std::optional<QString> path = askForImage(Texts::shown(Texts::CompareDialogTitle));
    if (path)
        ErrorBox::guard(&m_window, [&] { m_parts.comparison.compareWith(*path); });
}

void ImageCommands::showNextDifference(bool forward)
{
    const int shown = m_parts.document.image().currentPage();
    if (const std::optional<int> page = m_parts.comparison.differences().nextDifferingPage(shown, forward))
        showPage(*page);
}

void ImageCommands::showPage(int page)
{
    m_parts.pages.showPage(page);
}
