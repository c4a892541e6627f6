// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "settings/SettingsLocation.h"

#include "common/DesktopEnvironment.h"
#include "common/ProgramTexts.h"

#include <QFileInfo>

SettingsLocation SettingsLocation::choose(const DesktopEnvironment &environment, const QString &executableDir)
{
    const QString fileName = QString::fromUtf8(Texts::SettingsFileName);
    const QString beside = executableDir + fileName;
    if (QFileInfo::exists(beside) || environment.canCreateFilesIn(executableDir))
        return {beside, executableDir, true};
    const QString folder
        = environment.userConfigFolder() + QLatin1Char('/') + QString::fromUtf8(Texts::ConfigFolderName);
    return {folder + QLatin1Char('/') + fileName, environment.homeFolder(), false};
}
