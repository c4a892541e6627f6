// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Makes a folder and the folders above it that are missing, as `mkdir -p` does, and says why
// when it cannot: QDir::mkpath only answers false, and the write that follows then fails with
// a misleading "No such file or directory".
namespace FolderMaker {
// 0 when the folder is there now, else the errno of the step that failed.
int make(const QString &folder, unsigned mode = 0777);
} // namespace FolderMaker
