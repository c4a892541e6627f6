// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/FolderMaker.h"

#include "common/LocalPath.h"

#include <cerrno>
#include <sys/stat.h>

int FolderMaker::make(const QString &folder, unsigned mode)
{
    const QByteArray path = LocalPath::encode(folder);
    // Each prefix ending before a "/", then the whole path.
    for (qsizetype end = path.indexOf('/', 1);; end = path.indexOf('/', end + 1)) {
        const QByteArray prefix = end < 0 ? path : path.left(end);
        if (!prefix.isEmpty() && ::mkdir(prefix.constData(), static_cast<mode_t>(mode)) != 0 && errno != EEXIST)
            return errno;
        if (end < 0)
            break;
    }
    struct stat status
    {
    };
    if (::stat(path.constData(), &status) != 0)
        return errno;
    return S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
}
