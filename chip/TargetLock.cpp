// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chip/TargetLock.h"

#include "chip/ChipAccess.h"
#include "common/AppError.h"
#include "common/LocalPath.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool tryLock(int fd, pid_t *holder)
{
    struct flock lock
    {
    };
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET; // the whole file: start 0, length 0
    if (::fcntl(fd, F_SETLK, &lock) == 0)
        return true;
    const int error = errno;
    *holder = 0;
    struct flock probe
    {
    };
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    if (::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK)
        *holder = probe.l_pid;
    errno = error;
    return false;
}

[[noreturn]] void refuse(const QString &target, pid_t holder, int error)
{
    if (error == EACCES || error == EAGAIN) {
        throw AppError(QCoreApplication::translate("TargetLock",
            "%1 is being written by another program (process %2). Wait until it has finished; two writers "
            "at once would each overwrite the other's bytes.")
                           .arg(LocalPath::displayed(target))
                           .arg(holder > 0 ? QString::number(holder) : QStringLiteral("?")));
    }
    throw AppError(QCoreApplication::translate("TargetLock", "%1 cannot be locked for writing: %2")
                       .arg(LocalPath::displayed(target), systemErrorText(error)));
}
} // namespace

namespace TargetLock {

void lockFile(int fd, const QString &target)
{
    pid_t holder = 0;
    if (!tryLock(fd, &holder))
        refuse(target, holder, errno);
}

FileDescriptor lockKey(const QString &key, const QString &target)
{
    const QString folder = QString::fromLatin1(::access("/run/lock", W_OK | X_OK) == 0 ? "/run/lock" : "/tmp");
    const QByteArray name = QCryptographicHash::hash(LocalPath::encode(key), QCryptographicHash::Sha1).toHex().left(16);
    const QString path = QStringLiteral("%1/glimmerview-%2.lock").arg(folder, QString::fromLatin1(name));
    FileDescriptor file(::open(LocalPath::encode(path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!file.isOpen())
        refuse(target, 0, errno);
    // Any user's writer must be able to lock it, whatever the creator's umask.
    ::fchmod(file.get(), 0666);
    pid_t holder = 0;
    if (!tryLock(file.get(), &holder))
        refuse(target, holder, errno);
    return file;
}

} // namespace TargetLock
