// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/RegularFile.h"

#include "common/FileDescriptor.h"
#include "common/FileKind.h"
#include "common/LocalPath.h"
#include "common/SystemErrorText.h"

#include <QCoreApplication>
#include <cerrno>
#include <fcntl.h>
#include <cstdint>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::nullopt_t refuse(QString *reason, const QString &why)
{
    if (reason)
        *reason = why;
    return std::nullopt;
}

std::nullopt_t refuse(QString *reason, int error)
{
    return refuse(reason, systemErrorText(error));
}

// The size of a regular file (what it holds now, which may still change), 0 for a device; or
// nothing for any other kind.
std::optional<qsizetype> dataAtRest(int fd, QString *reason)
{
    struct stat status
    {
    };
    if (::fstat(fd, &status) != 0)
        return refuse(reason, errno);
    if (!(S_ISREG(status.st_mode) || S_ISBLK(status.st_mode)))
        return refuse(reason, QCoreApplication::translate("RegularFile", "it is %1").arg(FileKind::describe(status.st_mode)));
    return S_ISREG(status.st_mode) ? static_cast<qsizetype>(status.st_size) : 0;
}
// Maps the pages of a large array in at once, where the system can: filling it then takes no
// page fault every 4 KB, which on a 100 MB file is half the time of the read.
void mapInAtOnce(QByteArray &bytes)
{
    constexpr qsizetype Large = 1 << 20;
    if (bytes.size() < Large)
        return;
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<std::uintptr_t>(bytes.data());
    const std::uintptr_t first = (begin + page - 1) & ~(page - 1);
    const std::uintptr_t last = (begin + static_cast<std::uintptr_t>(bytes.size())) & ~(page - 1);
    ::madvise(reinterpret_cast<void *>(first), last - first, MADV_POPULATE_WRITE); // a hint: failure costs nothing
}
} // namespace

std::optional<QByteArray> RegularFile::readHead(const QString &path, qsizetype maxBytes, QString *reason)
{
    // Without O_NONBLOCK, open() itself waits for a writer on a named pipe.
    const FileDescriptor file(::open(LocalPath::encode(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0)
        return refuse(reason, errno);
    const std::optional<qsizetype> size = dataAtRest(file.get(), reason);
    if (!size)
        return std::nullopt;
    // Read straight into an array of the size expected, grown only if the file grows meanwhile:
    // a large file is neither copied nor held twice.
    QByteArray bytes(maxBytes < 0 ? *size : std::min(*size, maxBytes), Qt::Uninitialized);
    mapInAtOnce(bytes);
    qsizetype filled = 0;
    constexpr qsizetype Chunk = 65536;
    while (maxBytes < 0 || filled < maxBytes) {
        if (filled == bytes.size())
            bytes.resize(maxBytes < 0 ? filled + Chunk : std::min(filled + Chunk, maxBytes));
        const ssize_t got = ::read(file.get(), bytes.data() + filled, static_cast<std::size_t>(bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return refuse(reason, errno);
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}
