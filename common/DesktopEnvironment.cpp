// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/DesktopEnvironment.h"

#include "common/LocalPath.h"
#include "common/XdgFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <unistd.h>

QString DesktopEnvironment::executableFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QSize DesktopEnvironment::primaryScreenSize() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

int DesktopEnvironment::pixelsPerInch() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInch()) : 96;
}

QString DesktopEnvironment::homeFolder() const
{
    return QDir::homePath();
}

QString DesktopEnvironment::userConfigFolder() const
{
    return XdgFolders::configHome();
}

QString DesktopEnvironment::userStateFolder() const
{
    return XdgFolders::stateHome();
}

bool DesktopEnvironment::isInstalledCopy() const
{
    return QFileInfo::exists(executableFolder() + QStringLiteral("/../share/applications/")
        + QStringLiteral(GLIMMERVIEW_APP_ID) + QStringLiteral(".desktop"));
}

bool DesktopEnvironment::canCreateFilesIn(const QString &folder) const
{
    return ::access(LocalPath::encode(folder).constData(), W_OK | X_OK) == 0;
}
