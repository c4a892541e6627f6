// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "settings/SettingsLocation.h"

#include "common/DesktopEnvironment.h"
#include "common/ProgramTexts.h"

#include <QDir>
#include <QFileInfo>

SettingsLocation SettingsLocation::choose(const DesktopEnvironment &environment, const QString &executableDir)
{
    const QString fileName = QString::fromUtf8(Texts::SettingsFileName);
    const QString beside = QDir::cleanPath(executableDir + fileName);
    // An installed copy serves every user of the machine: what one of them (root included)
    // writes beside it would be every user's, so its settings are each user's own.
    if (!environment.isInstalledCopy() && (QFileInfo::exists(beside) || environment.canCreateFilesIn(executableDir)))
        return {beside, executableDir, true};
    const QString folder
        = environment.userConfigFolder() + QLatin1Char('/') + QString::fromUtf8(Texts::ConfigFolderName);
    return {folder + QLatin1Char('/') + fileName, environment.homeFolder(), false};
}
