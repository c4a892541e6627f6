// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/MainMenu.h"

#include "common/GlyphBitmaps.h"
#include "common/ProgramTexts.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>
#include <QUndoStack>

namespace {
struct Entry
{
    const char *caption; // nullptr: a separator
    QKeySequence shortcut;
    MainMenu::Command MainMenu::Commands::*command;
    const char *objectName = nullptr; // for the commands the tests find by name
};

// The page clipboard takes Shift with Ctrl+C and Ctrl+V: Ctrl+V keeps doing nothing in the
// position box, and Ctrl+X stays Exit.
using C = MainMenu::Commands;
const QList<Entry> FileEntries {
    {Texts::LoadCommand, QKeySequence(Qt::CTRL | Qt::Key_L), &C::load, "Load1"},
    {Texts::SaveCommand, QKeySequence(Qt::CTRL | Qt::Key_S), &C::save},
    {Texts::SaveAsCommand, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &C::saveAs},
    {nullptr, {}, nullptr},
    {Texts::ExportCArrayCommand, {}, &C::exportCArray},
    {Texts::ExportPictureCommand, {}, &C::exportPicture},
    {nullptr, {}, nullptr},
    {Texts::ExitCommand, QKeySequence(Qt::CTRL | Qt::Key_X), &C::exit, "Exit1"},
};
const QList<Entry> PageEntries {
    {Texts::CopyPageCommand, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &C::copyPage},
    {Texts::PastePageCommand, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), &C::pastePage},
    {Texts::ClearPageCommand, {}, &C::clearPage},
    {Texts::FillPageCommand, {}, &C::fillPage},
    {Texts::InvertPageCommand, {}, &C::invertPage},
};

void addEntries(QMenu *menu, const QList<Entry> &entries, const MainMenu::Commands &commands)
{
    for (const Entry &entry : entries) {
        if (!entry.caption) {
            menu->addSeparator();
            continue;
        }
        QAction *action = menu->addAction(QString::fromUtf8(entry.caption), menu, commands.*entry.command);
        action->setShortcut(entry.shortcut);
        if (entry.objectName)
            action->setObjectName(QString::fromLatin1(entry.objectName));
    }
}
} // namespace

void MainMenu::build(QMainWindow *window, const Commands &commands, QUndoStack *history)
{
    QMenuBar *bar = window->menuBar();
    QMenu *file = bar->addMenu(QString::fromUtf8(Texts::FileMenu));
    addEntries(file, FileEntries, commands);
    QIcon folder; // the drawing for each screen resolution
    for (const QImage &drawing : GlyphBitmaps::allScales(QStringLiteral(":/resources/OpenFolder"), true))
        folder.addPixmap(QPixmap::fromImage(drawing));
    file->actions().constFirst()->setIcon(folder);

    QMenu *edit = bar->addMenu(QString::fromUtf8(Texts::EditMenu));
    QAction *undo = history->createUndoAction(edit, QString::fromUtf8(Texts::UndoCommand));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction *redo = history->createRedoAction(edit, QString::fromUtf8(Texts::RedoCommand));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addActions({undo, redo});
    edit->addSeparator();
    addEntries(edit, PageEntries, commands);

    bar->addAction(QString::fromUtf8(Texts::OptionsCommand), bar, commands.options)
        ->setObjectName(QStringLiteral("Options1"));
    bar->addAction(QString::fromUtf8(Texts::AboutCommand), bar, commands.about)
        ->setObjectName(QStringLiteral("About1"));
    // F10 opens the menu bar at its first menu, as desktops have it.
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), window);
    QObject::connect(menuKey, &QShortcut::activated, bar, [bar] { bar->setActiveAction(bar->actions().constFirst()); });
}
