// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What the file dialog of "Load" starts from, kept in the settings file between runs.
struct OpenDialogState
{
    QString initialDir;
    QString defaultExt; // a pattern such as "*.bin"
};
