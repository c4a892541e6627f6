// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/FileReplacer.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
bool fail(QString *reason, const QString &why)
{
    if (reason)
        *reason = why;
    return false;
}

bool failWithErrno(QString *reason)
{
    return fail(reason, QString::fromLocal8Bit(std::strerror(errno)));
}
} // namespace

bool FileReplacer::replace(const QString &path, const QByteArray &bytes, QString *reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (QFile::exists(path))
            return replaceInPlace(path, bytes, reason);
        return fail(reason, file.errorString());
    }
    // write() only fills a buffer: a full disk shows at the flush, and only in the error state.
    const bool written = file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError;
    if (!written) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(reason, why);
    }
    if (!file.commit())
        return fail(reason, file.errorString());
    return true;
}

bool FileReplacer::replaceInPlace(const QString &path, const QByteArray &bytes, QString *reason)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return failWithErrno(reason);
    const auto closeAndFail = [fd, reason] {
        const int error = errno;
        ::close(fd);
        errno = error;
        return failWithErrno(reason);
    };
    // Claim the space first: a full disk then refuses before a single old byte is overwritten.
    const int reserved = ::posix_fallocate(fd, 0, static_cast<off_t>(bytes.size()));
    if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL) {
        errno = reserved;
        return closeAndFail();
    }
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t wrote
            = ::pwrite(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done), done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return closeAndFail();
        done += wrote;
    }
    if (::fdatasync(fd) != 0 || ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 || ::fdatasync(fd) != 0)
        return closeAndFail();
    if (::close(fd) != 0)
        return failWithErrno(reason);
    return true;
}
