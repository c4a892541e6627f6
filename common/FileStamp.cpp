// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/FileStamp.h"

#include "common/LocalPath.h"

#include <sys/stat.h>

std::optional<FileStamp> FileStamp::of(const QString &path)
{
    struct stat status
    {
    };
    if (::stat(LocalPath::encode(path).constData(), &status) != 0)
        return std::nullopt;
    return FileStamp {status.st_dev, status.st_ino, status.st_size,
        std::int64_t(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec, S_ISREG(status.st_mode) != 0};
}
