// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "mainwindow/MainWindowSettingsHost.h"
#include "settings/SettingsLocation.h"

#include <QString>
#include <memory>

class WindowSettings;
class ColourSettings;

// What the main window keeps between runs: its place and its controls' values in the stored
// section, the colours, and values of our own (whether the overview shows, the chip chosen last)
// in a section of our own. The file lies beside the program or in the user's folder.
class MainWindowSettings
{
public:
    struct OwnValues
    {
        bool overviewShown = false;
        QString chipTarget;
    };

    // Everything given must outlive this. `overviewFits`: the overview shows unless the file says
    // otherwise.
    MainWindowSettings(QWidget &window, QSlider &clockSlider, OpenDialogState &openDialog,
        const DesktopEnvironment &environment, bool overviewFits);
    ~MainWindowSettings();

    // Reads the file at start: the window placed, the controls and the colours set, the open
    // dialog's folder chosen. The window is placed once more at its first show.
    OwnValues readAtStart(ColourSettings &colours);
    void restoreOnFirstShow();
    // Throws AppError when the file cannot be written.
    void save(const ColourSettings &colours, const OwnValues &own);
    // The same where nobody may be there to read a box: a failure goes to standard error.
    void saveOrReport(const ColourSettings &colours, const OwnValues &own);
    // For a window destroyed without a close: the file written unless it already was since the
    // start; a failure goes to standard error, as no box may come from a window that is going.
    void saveIfNeverSaved();

    // The program's folder, as the settings name it (with a doubled separator).
    QString executableFolder() const { return m_executableFolder; }
    QString iniPath() const { return m_location.iniPath; }
    WindowSettings &settings() { return *m_settings; }

private:
    const DesktopEnvironment &m_environment;
    OpenDialogState &m_openDialog;
    MainWindowSettingsHost m_host;
    std::unique_ptr<WindowSettings> m_settings;
    QString m_executableFolder;
    SettingsLocation m_location;
};
