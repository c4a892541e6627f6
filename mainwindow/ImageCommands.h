// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>
#include <optional>

class ComparisonSession;
class EffectDocument;
class PageControls;
class QWidget;
struct RecoveryCopy;
struct OpenDialogState;

// What the window does with the image as a whole: a new one loaded (chosen in the file dialog,
// dropped, given) or taken back from a recovery copy, compared with one chosen, and the differing
// pages walked. The document announces the new image; whoever shows it follows.
class ImageCommands
{
public:
    // Asks the user for an image file: the chosen path, or nothing on cancel.
    using PathPrompt = std::function<std::optional<QString>(
        QWidget *parent, const QString &initialDir, const QString &defaultExt, const QString &title)>;
    struct Parts
    {
        EffectDocument &document;
        ComparisonSession &comparison;
        PageControls &pages;
        OpenDialogState &openDialog;
    };

    // `window` carries the dialogs and error boxes; it and the parts must outlive this.
    ImageCommands(QWidget &window, const Parts &parts);

    void setPathPrompt(PathPrompt prompt) { m_askForPath = std::move(prompt); }
    // File › Load: the unsaved changes question first, then the file dialog.
    void loadChosen();
    // As File › Load with `path` chosen: the error box for a file that cannot be read.
    void loadFile(const QString &path);
    // The unsaved edits of an earlier run taken back, the file they belonged to remembered.
    void takeInRecoveryCopy(const RecoveryCopy &copy);
    // Compare With…: the reference chosen in the file dialog.
    void compareWithChosen();
    // Next and Previous Difference: the next page that differs, round the end.
    void showNextDifference(bool forward);
    void showPage(int page);

private:
    // Loads the path chosen, if one is; page 1 is shown either way, as File › Load always did.
    void loadFrom(const std::function<std::optional<QString>()> &choosePath);
    // Where Load… and Compare With… start: the current file's folder, else the folder of the
    // file chosen last in this run, else the folder the settings keep (which stays as it is).
    QString startFolder() const;
    // Asks for an image file, starting in startFolder(), and remembers where it was found.
    std::optional<QString> askForImage(const QString &title);

    QWidget &m_window;
    Parts m_parts;
    PathPrompt m_askForPath;
    QString m_lastFolder; // of the file chosen last in this run
};
