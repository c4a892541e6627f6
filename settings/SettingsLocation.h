// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class DesktopEnvironment;

// Where the settings file lives. A portable copy (not installed) keeps it beside the executable:
// when a "Glimmerview.ini" is already there, or that folder takes new files. An installed copy,
// and one whose folder the user may not write, keeps it in the user's configuration folder, and
// its file dialog starts in the user's home folder instead of the program's.
struct SettingsLocation
{
    QString iniPath;
    QString openDialogFolder; // the file dialog's first folder
    bool besideExecutable = true;

    // `executableDir` as the program writes it, ending in "//".
    static SettingsLocation choose(const DesktopEnvironment &environment, const QString &executableDir);
};
