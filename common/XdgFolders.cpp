// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/XdgFolders.h"

#include "common/LocalPath.h"

#include <QDir>

namespace {
QString folder(const char *variable, const char *belowHome)
{
    const QString value = LocalPath::decode(qgetenv(variable));
    if (value.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(value);
    return QDir::homePath() + QLatin1Char('/') + QLatin1String(belowHome);
}
} // namespace

QString XdgFolders::configHome()
{
    return folder("XDG_CONFIG_HOME", ".config");
}

QString XdgFolders::stateHome()
{
    return folder("XDG_STATE_HOME", ".local/state");
}

QString XdgFolders::dataHome()
{
    return folder("XDG_DATA_HOME", ".local/share");
}
