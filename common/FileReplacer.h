// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file's content so that, whatever happens (a full disk, a kill, a crash), the file
// holds either all of its old bytes or all of the new ones.
//
// The new content goes to a temporary file beside the target (".<name>.glimmerview-<pid>-<random>",
// so one left by a kill is known and removed at a later save into that folder), reaches the disk,
// takes the old file's mode, owner and group, and is renamed over the target. The file is
// rewritten in place instead where a new file would change what others see of it: when it has
// other hard links, when its owner or group cannot be given to a new file, when the folder takes
// no new file or refuses the rename (a sticky folder). In place, all bytes go in one write before
// the length is cut; a write the disk cannot hold puts the old bytes back.
//
// Only regular files are replaced: a folder, a named pipe or a device is refused without
// waiting. A link is followed; the file it names is replaced.
class FileReplacer
{
public:
    // True on success. On failure the target is as it was, and `reason` (when given) says why.
    static bool replace(const QString &path, const QByteArray &bytes, QString *reason = nullptr);
    // Makes a new file that holds all of `bytes` on the disk, never replacing one: 0, or the errno
    // (EEXIST where the name is taken). A failed one leaves nothing under the name.
    static int createNew(const QString &path, const QByteArray &bytes);

    // The points a test may stop the process at, to see that every one leaves a whole file.
    enum class Step { TemporaryWritten, Renamed, WrittenInPlace, SyncedInPlace, CutInPlace };
    using StepHook = void (*)(Step);
    static void setStepHook(StepHook hook);
};
