// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's content so that, whatever happens (a full disk, a kill, a crash), the file
// holds either all of its old bytes or all of the new ones.
//
// The new content is written to a temporary file beside the target, checked to have reached the
// disk, and renamed over the target. Where the folder takes no new files, an existing file is
// rewritten in place instead: its space is reserved first, the new bytes are written over the
// old ones, and only then is the length cut, so the file is never empty on the way.
class FileReplacer
{
public:
    // True on success. On failure the target is as it was, and `reason` (when given) says why.
    static bool replace(const QString &path, const QByteArray &bytes, QString *reason = nullptr);

private:
    static bool replaceInPlace(const QString &path, const QByteArray &bytes, QString *reason);
};
