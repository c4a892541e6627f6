// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/MainMenu.h"

#include "common/GlyphBitmaps.h"
#include "common/ProgramTexts.h"
#include "document/EffectDocument.h"

#include <QApplication>
#include <QClipboard>
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
    const char *objectName = nullptr;
};

// The rows' clipboard takes Shift with Ctrl+C and Ctrl+V: Ctrl+V keeps doing nothing in the
// position box, and Ctrl+X stays Exit.
using C = MainMenu::Commands;
const QList<Entry> FileEntries {
    {Texts::NewCommand, QKeySequence(Qt::CTRL | Qt::Key_N), &C::newImage, "newAction"},
    {Texts::NewEightLedCommand, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N), &C::newEightLedImage,
        "newEightLedAction"},
    {Texts::LoadCommand, QKeySequence(Qt::CTRL | Qt::Key_L), &C::load, "loadAction"},
    {Texts::SaveCommand, QKeySequence(Qt::CTRL | Qt::Key_S), &C::save, "saveAction"},
    {Texts::SaveAsCommand, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &C::saveAs, "saveAsAction"},
    {nullptr, {}, nullptr},
    {Texts::ImportPictureCommand, QKeySequence(Qt::CTRL | Qt::Key_I), &C::importPicture, "importPictureAction"},
    {Texts::ExportCArrayCommand, {}, &C::exportCArray, "exportCArrayAction"},
    {Texts::ExportPictureCommand, {}, &C::exportPicture, "exportPictureAction"},
    {Texts::ExportGifCommand, {}, &C::exportGif, "exportGifAction"},
    {Texts::ExportGifPagesCommand, {}, &C::exportGifPages, "exportGifPagesAction"},
    {Texts::ExportHexCommand, {}, &C::exportHex, "exportHexAction"},
    {Texts::ExportSRecordCommand, {}, &C::exportSRecord, "exportSRecordAction"},
    {nullptr, {}, nullptr},
    {Texts::CompareCommand, QKeySequence(Qt::CTRL | Qt::Key_D), &C::compareWith, "compareWithAction"},
    {Texts::StopComparingCommand, {}, &C::stopComparing, "stopComparingAction"},
    {nullptr, {}, nullptr},
    {Texts::ExitCommand, QKeySequence(Qt::CTRL | Qt::Key_X), &C::exit, "exitAction"},
};
const QList<Entry> PageEntries {
    {Texts::SelectAllCommand, QKeySequence(Qt::CTRL | Qt::Key_A), &C::selectAll, "selectAllAction"},
    {Texts::SelectNoneCommand, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), &C::selectNone, "selectNoneAction"},
    {nullptr, {}, nullptr},
    // The tools act on the chosen rows, or on the shown page when none are chosen.
    {Texts::CopyCommand, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &C::copyRows, "copyAction"},
    {Texts::PasteCommand, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), &C::pasteRows, "pasteAction"},
    {Texts::ClearCommand, {}, &C::clear, "clearAction"},
    {Texts::FillCommand, {}, &C::fill, "fillAction"},
    {Texts::InvertCommand, {}, &C::invert, "invertAction"},
    {nullptr, {}, nullptr},
    // Moving light: along the string with Ctrl+Alt and the arrows (Shift wraps round), in time with
    // Ctrl+Alt and Page Up or Down.
    {Texts::ShiftTowardLedOneCommand, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Right), &C::shiftTowardLedOne,
        "shiftTowardLedOneAction"},
    {Texts::ShiftAwayCommand, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Left), &C::shiftAway, "shiftAwayAction"},
    {Texts::RotateTowardLedOneCommand, QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_Right),
        &C::rotateTowardLedOne, "rotateTowardLedOneAction"},
    {Texts::RotateAwayCommand, QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_Left), &C::rotateAway,
        "rotateAwayAction"},
    {Texts::MirrorCommand, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_M), &C::mirror, "mirrorAction"},
    {Texts::EarlierCommand, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_PageUp), &C::earlier, "earlierAction"},
    {Texts::LaterCommand, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_PageDown), &C::later, "laterAction"},
    {Texts::ReverseCommand, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_R), &C::reverse, "reverseAction"},
    {Texts::RepeatCommand, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_T), &C::repeat, "repeatAction"},
    {nullptr, {}, nullptr},
    {Texts::InsertRowsCommand, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Insert), &C::insertRows, "insertRowsAction"},
    {Texts::DeleteRowsCommand, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Delete), &C::deleteRows, "deleteRowsAction"},
    {nullptr, {}, nullptr},
    {Texts::GenerateCommand, QKeySequence(Qt::CTRL | Qt::Key_G), &C::generate, "generateAction"},
    {nullptr, {}, nullptr},
    {Texts::NextDifferenceCommand, QKeySequence(Qt::Key_F8), &C::nextDifference, "nextDifferenceAction"},
    {Texts::PreviousDifferenceCommand, QKeySequence(Qt::SHIFT | Qt::Key_F8), &C::previousDifference,
        "previousDifferenceAction"},
};

void addEntries(QMenu *menu, const QList<Entry> &entries, const MainMenu::Commands &commands)
{
    for (const Entry &entry : entries) {
        if (!entry.caption) {
            menu->addSeparator();
            continue;
        }
        QAction *action = menu->addAction(Texts::shown(entry.caption), menu, commands.*entry.command);
        action->setShortcut(entry.shortcut);
        action->setObjectName(QString::fromLatin1(entry.objectName));
    }
}
} // namespace

void MainMenu::addDocumentCommands(Commands &commands, EffectDocument &document, const ColourSettings &colours)
{
    commands.newImage = [&document] { document.startNew(ImageLayout::Bits16); };
    commands.newEightLedImage = [&document] { document.startNew(ImageLayout::Bits8); };
    commands.save = [&document] { document.save(); };
    commands.saveAs = [&document] { document.saveAs(); };
    commands.exportCArray = [&document] { document.exportCArray(); };
    commands.exportPicture = [&document, &colours] { document.exportPicture(colours); };
    commands.selectAll = [&document] { document.setSelection(RowSelection::pages(1, EffectImage::PageCount)); };
    commands.selectNone = [&document] { document.setSelection({}); };
    commands.copyRows = [&document] { QApplication::clipboard()->setMimeData(document.copyRows()); };
    commands.pasteRows = [&document] { document.pasteRows(QApplication::clipboard()->mimeData()); };
    commands.clear = [&document] { document.clear(); };
    commands.fill = [&document] { document.fill(); };
    commands.invert = [&document] { document.invert(); };
    commands.shiftTowardLedOne = [&document] { document.shiftAlong(true, false); };
    commands.shiftAway = [&document] { document.shiftAlong(false, false); };
    commands.rotateTowardLedOne = [&document] { document.shiftAlong(true, true); };
    commands.rotateAway = [&document] { document.shiftAlong(false, true); };
    commands.mirror = [&document] { document.mirror(); };
    commands.earlier = [&document] { document.shiftInTime(true); };
    commands.later = [&document] { document.shiftInTime(false); };
    commands.reverse = [&document] { document.reverseInTime(); };
    commands.repeat = [&document] { document.repeatRows(); };
    commands.insertRows = [&document] { document.insertRows(); };
    commands.deleteRows = [&document] { document.deleteRows(); };
}

void MainMenu::build(QMainWindow *window, const Commands &commands, QUndoStack *history, const QList<QAction *> &panels)
{
    QMenuBar *bar = window->menuBar();
    QMenu *file = bar->addMenu(Texts::shown(Texts::FileMenu));
    addEntries(file, FileEntries, commands);
    QIcon folder; // the drawing for each screen resolution
    for (const QImage &drawing : GlyphBitmaps::allScales(QStringLiteral(":/resources/OpenFolder"), true))
        folder.addPixmap(QPixmap::fromImage(drawing));
    file->findChild<QAction *>(QStringLiteral("loadAction"))->setIcon(folder);

    QMenu *edit = bar->addMenu(Texts::shown(Texts::EditMenu));
    QAction *undo = history->createUndoAction(edit, Texts::shown(Texts::UndoCommand));
    undo->setObjectName(QStringLiteral("undoAction"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction *redo = history->createRedoAction(edit, Texts::shown(Texts::RedoCommand));
    redo->setObjectName(QStringLiteral("redoAction"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addActions({undo, redo});
    edit->addSeparator();
    addEntries(edit, PageEntries, commands);
    QMenu *view = bar->addMenu(Texts::shown(Texts::ViewMenu));
    view->addActions(panels);

    bar->addAction(Texts::shown(Texts::OptionsCommand), bar, commands.options)
        ->setObjectName(QStringLiteral("optionsAction"));
    bar->addAction(Texts::shown(Texts::AboutCommand), bar, commands.about)
        ->setObjectName(QStringLiteral("aboutAction"));
    // F10 opens the menu bar at its first menu, as desktops have it.
    auto *menuKey = new QShortcut(QKeySequence(Qt::Key_F10), window);
    QObject::connect(menuKey, &QShortcut::activated, bar, [bar] { bar->setActiveAction(bar->actions().constFirst()); });
}
