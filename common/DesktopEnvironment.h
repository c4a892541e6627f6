// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QSize>
#include <QString>

// The facts of the machine the program asks for: where its executable lies, what the primary
// screen is like, and the user's folders. A seam of its own, so tests can give the program a folder of their own and
// play another screen.
class DesktopEnvironment
{
public:
    virtual ~DesktopEnvironment() = default;

    // The folder of the running executable, without a separator at the end.
    virtual QString executableFolder() const;
    virtual QSize primaryScreenSize() const;
    // The primary screen's logical resolution, in dots per inch.
    virtual int pixelsPerInch() const;
    // The user's own folders: home, where programs keep settings ($XDG_CONFIG_HOME) and where
    // they keep state that outlives a run ($XDG_STATE_HOME).
    virtual QString homeFolder() const;
    virtual QString userConfigFolder() const;
    virtual QString userStateFolder() const;
    // Whether the executable was installed (by `cmake --install` or a package): its desktop entry
    // lies where the install put it, in ../share/applications.
    virtual bool isInstalledCopy() const;
    // Whether this user may make new files in the folder.
    virtual bool canCreateFilesIn(const QString &folder) const;
};
