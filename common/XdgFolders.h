// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The user's base folders. A variable that holds a relative path is ignored, as if unset: it
// would otherwise name a folder below whatever the current folder happens to be.
namespace XdgFolders {
QString configHome(); // $XDG_CONFIG_HOME, else ~/.config
QString stateHome(); // $XDG_STATE_HOME, else ~/.local/state
QString dataHome(); // $XDG_DATA_HOME, else ~/.local/share
} // namespace XdgFolders
