// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Reads files that hold data at rest: regular files and block devices (a chip's contents that
// the system shows as a file). Anything else (a named pipe, a socket, a terminal, a folder) is
// refused without waiting: opening a pipe for reading would block until someone writes to it.
class RegularFile
{
public:
    // At most `maxBytes` bytes from the start (all of them when negative), or nothing when the
    // file is missing, unreadable or of another kind; then `reason` (when given) says which.
    static std::optional<QByteArray> readHead(const QString &path, qsizetype maxBytes = -1, QString *reason = nullptr);
};
