// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QKeySequence>
#include <functional>

class ColourSettings;
class EffectDocument;
class QAction;
class QMainWindow;
class QUndoStack;

// The main window's menu bar as data: File, Edit, Options and About, each command with its
// caption, keys and what it does, and F10 to open the bar.
class MainMenu
{
public:
    using Command = std::function<void()>;
    struct Commands
    {
        Command newImage, newEightLedImage, load, save, saveAs, exportCArray, exportPicture, exit;
        Command importPicture, exportGif, exportGifPages, exportHex, exportSRecord;
        Command compareWith, stopComparing;
        Command selectAll, selectNone, copyRows, pasteRows, clear, fill, invert, nextDifference, previousDifference;
        Command shiftTowardLedOne, shiftAway, rotateTowardLedOne, rotateAway, mirror, earlier, later, reverse, repeat;
        Command insertRows, deleteRows, generate;
        Command options, about;
    };

    // The commands the document carries out itself: saving, the exports (in `colours`), and the
    // page tools, copy and paste through the clipboard. Both must outlive the menu.
    static void addDocumentCommands(Commands &commands, EffectDocument &document, const ColourSettings &colours);
    // Undo and Redo come from the history itself, so they show what they would undo.
    // `panels` go into the View menu, each an action that shows or hides its panel.
    static void build(
        QMainWindow *window, const Commands &commands, QUndoStack *history, const QList<QAction *> &panels);
};
