// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Writes a file of our own making whole, or leaves what was there: recovery copies, exports,
// reports. Qt's save file does the work (a temporary beside it, synced, renamed over it; written
// in place where the folder takes no new file). A user's own image goes through FileReplacer
// instead, which keeps its owner, mode and hard links.
namespace WholeFile {
// True on success; on failure `reason` (when given) says why.
bool write(const QString &path, const QByteArray &bytes, QString *reason = nullptr);
} // namespace WholeFile
