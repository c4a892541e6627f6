// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/DesktopEnvironment.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

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
