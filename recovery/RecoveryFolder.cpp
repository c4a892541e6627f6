// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "recovery/RecoveryFolder.h"

#include "common/FolderMaker.h"
#include "common/LocalPath.h"
#include "common/SystemErrorText.h"

#include <QCoreApplication>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// 0 when the folder is there and takes new files, else why not.
int usable(const QString &folder)
{
    if (const int error = FolderMaker::make(folder, 0700); error != 0)
        return error;
    return ::access(LocalPath::encode(folder).constData(), W_OK | X_OK) == 0 ? 0 : errno;
}

// The user's own folder below `base`, or an empty text: only a folder this user made and no one
// else may enter holds a copy of their edits.
QString privateFolder(const QString &base)
{
    const QString folder = QStringLiteral("%1/Glimmerview-%2").arg(base).arg(::geteuid());
    const QByteArray path = LocalPath::encode(folder);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    struct stat status
    {
    };
    if (::lstat(path.constData(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != ::geteuid()
        || (status.st_mode & 077) != 0)
        return {};
    const QString recovery = folder + QStringLiteral("/recovery");
    return usable(recovery) == 0 ? recovery : QString();
}
} // namespace

RecoveryFolder RecoveryFolder::choose(const QString &preferred, const QString &fallbackBase)
{
    const int error = usable(preferred);
    if (error == 0)
        return {preferred, {}};
    const QString reason = systemErrorText(error);
    if (const QString fallback = privateFolder(fallbackBase); !fallback.isEmpty()) {
        return {fallback,
            QCoreApplication::translate(
                "RecoveryFolder", "Unsaved edits are kept for recovery in %1, as %2 cannot be written (%3).")
                .arg(LocalPath::displayed(fallback), LocalPath::displayed(preferred), reason)};
    }
    return {{},
        QCoreApplication::translate(
            "RecoveryFolder", "Unsaved edits cannot be kept for recovery: %1 cannot be written (%2). Save often.")
            .arg(LocalPath::displayed(preferred), reason)};
}
