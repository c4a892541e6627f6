// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Reads the head of an image file: a regular file, or a block device holding a chip's contents.
// Only the bytes a layout uses are ever read, so a huge file costs no more than a small one.
class ImageReader
{
public:
    // Returns at most `maxBytes` bytes (fewer when the file is shorter).
    // Throws AppError `Cannot open file "<path>": <reason>` when the file cannot be opened or read, or is of
    // another kind (a folder, a named pipe, a device of characters).
    static QByteArray readHead(const QString &path, qsizetype maxBytes);
};
