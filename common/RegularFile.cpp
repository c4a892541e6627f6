// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/RegularFile.h"

#include "common/FileDescriptor.h"
#include "common/LocalPath.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool holdsDataAtRest(int fd)
{
    struct stat status
    {
    };
    return ::fstat(fd, &status) == 0 && (S_ISREG(status.st_mode) || S_ISBLK(status.st_mode));
}
} // namespace

std::optional<QByteArray> RegularFile::readHead(const QString &path, qsizetype maxBytes)
{
    // Without O_NONBLOCK, open() itself waits for a writer on a named pipe.
    const FileDescriptor file(::open(LocalPath::encode(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0 || !holdsDataAtRest(file.get()))
        return std::nullopt;
    QByteArray bytes;
    char chunk[65536];
    while (maxBytes < 0 || bytes.size() < maxBytes) {
        const qsizetype wanted
            = maxBytes < 0 ? qsizetype(sizeof chunk) : std::min<qsizetype>(sizeof chunk, maxBytes - bytes.size());
        const ssize_t got = ::read(file.get(), chunk, static_cast<std::size_t>(wanted));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        bytes.append(chunk, got);
    }
    return bytes;
}
