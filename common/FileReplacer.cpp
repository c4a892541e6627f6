// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/FileReplacer.h"

#include "common/FileDescriptor.h"
#include "common/LocalPath.h"
#include "common/SystemErrorText.h"

#include <QDir>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {
FileReplacer::StepHook stepHook = nullptr;

void reached(FileReplacer::Step step)
{
    if (stepHook)
        stepHook(step);
}

bool fail(QString *reason, int error)
{
    if (reason)
        *reason = systemErrorText(error);
    return false;
}

// All of `bytes` at `offset`, or false with errno set (ENOSPC for a write the disk cut short).
bool writeAll(int fd, const char *bytes, std::size_t size, off_t offset)
{
    while (size > 0) {
        const ssize_t wrote = ::pwrite(fd, bytes, size, offset);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0)
            return false;
        if (wrote == 0) {
            errno = ENOSPC;
            return false;
        }
        bytes += wrote;
        size -= static_cast<std::size_t>(wrote);
        offset += wrote;
    }
    return true;
}

std::optional<QByteArray> readAll(int fd, off_t size)
{
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t got = ::pread(fd, bytes.data() + done, static_cast<std::size_t>(bytes.size() - done), done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return std::nullopt;
        done += got;
    }
    return bytes;
}

constexpr char TemporaryMark[] = ".glimmerview-";

// Our own temporaries that a killed save left in `folder`: made by this user, by a process that
// no longer runs.
void removeStaleTemporaries(const QByteArray &folder)
{
    DIR *listing = ::opendir(folder.constData());
    if (!listing)
        return;
    while (const dirent *entry = ::readdir(listing)) {
        const QByteArray name(entry->d_name);
        const qsizetype mark = name.indexOf(TemporaryMark);
        if (!name.startsWith('.') || mark < 0)
            continue;
        const QList<QByteArray> parts = name.mid(mark + qsizetype(sizeof TemporaryMark) - 1).split('-');
        bool isNumber = false;
        const pid_t pid = parts.size() == 2 ? parts.constFirst().toInt(&isNumber) : 0;
        if (!isNumber || pid <= 0 || pid == ::getpid() || ::kill(pid, 0) == 0 || errno != ESRCH)
            continue;
        const QByteArray path = folder + '/' + name;
        struct stat status
        {
        };
        if (::lstat(path.constData(), &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid())
            ::unlink(path.constData());
    }
    ::closedir(listing);
}

// Over the old bytes, one write; the length is cut only once the new bytes are on the disk.
bool replaceInPlace(const QByteArray &target, const QByteArray &bytes, QString *reason)
{
    int fd = ::open(target.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    const bool canRestore = fd >= 0;
    if (fd < 0 && errno == EACCES) // writable, not readable: no old bytes to put back
        fd = ::open(target.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    FileDescriptor file(fd);
    struct stat status
    {
    };
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0)
        return fail(reason, errno);
    if (!S_ISREG(status.st_mode))
        return fail(reason, S_ISDIR(status.st_mode) ? EISDIR : EINVAL);
    const std::optional<QByteArray> old = canRestore ? readAll(file.get(), status.st_size) : std::nullopt;
    if (canRestore && !old)
        return fail(reason, errno);
    if (!writeAll(file.get(), bytes.constData(), static_cast<std::size_t>(bytes.size()), 0)) {
        const int error = errno;
        if (old && writeAll(file.get(), old->constData(), static_cast<std::size_t>(old->size()), 0)) {
            [[maybe_unused]] const int cut = ::ftruncate(file.get(), status.st_size);
        }
        return fail(reason, error);
    }
    reached(FileReplacer::Step::WrittenInPlace);
    if (::fdatasync(file.get()) != 0)
        return fail(reason, errno);
    reached(FileReplacer::Step::SyncedInPlace);
    if (status.st_size > bytes.size()
        && (::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0 || ::fdatasync(file.get()) != 0))
        return fail(reason, errno);
    reached(FileReplacer::Step::CutInPlace);
    return file.close() || fail(reason, errno);
}

// A new file beside the target, named so that a stale one is known; nothing when the folder
// takes no new file (errno says why).
std::optional<QByteArray> createTemporary(const QByteArray &folder, const QByteArray &name, mode_t mode, int *fd)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray path = folder + "/." + name + TemporaryMark + QByteArray::number(::getpid()) + '-'
            + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        *fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (*fd >= 0)
            return path;
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

// Where a chain of links ends that names no file yet; the path itself when it is no link.
QByteArray danglingLinkTarget(QByteArray path)
{
    for (int hop = 0; hop < 40; ++hop) { // the system's own bound on a chain of links
        char link[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), link, sizeof link - 1);
        if (length <= 0)
            return path;
        const QByteArray next(link, length);
        const qsizetype slash = path.lastIndexOf('/');
        path = next.startsWith('/') || slash < 0 ? next : path.left(slash + 1) + next;
    }
    return path;
}

bool isFolderRefusal(int error)
{
    return error == EACCES || error == EPERM || error == EROFS || error == ENOSPC || error == EDQUOT || error == EMLINK;
}
} // namespace

int FileReplacer::createNew(const QString &path, const QByteArray &bytes)
{
    const QByteArray name = LocalPath::encode(path);
    FileDescriptor file(::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (file.get() < 0)
        return errno;
    if (writeAll(file.get(), bytes.constData(), static_cast<std::size_t>(bytes.size()), 0) && ::fsync(file.get()) == 0
        && file.close())
        return 0;
    const int error = errno;
    ::unlink(name.constData()); // no half a file under the name
    return error;
}

void FileReplacer::setStepHook(StepHook hook)
{
    stepHook = hook;
}

bool FileReplacer::replace(const QString &path, const QByteArray &bytes, QString *reason)
{
    QByteArray target = LocalPath::encode(path);
    struct stat old
    {
    };
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return fail(reason, errno);
    // A link to a file not made yet is followed too: the rename would otherwise replace the link.
    if (!exists)
        target = danglingLinkTarget(target);
    if (exists && !S_ISREG(old.st_mode))
        return fail(reason, S_ISDIR(old.st_mode) ? EISDIR : EINVAL);
    if (exists) { // through links, to the file itself
        char resolved[PATH_MAX];
        if (::realpath(target.constData(), resolved))
            target = resolved;
    }
    // Another name of the same file would keep the old bytes after a rename.
    if (exists && old.st_nlink > 1)
        return replaceInPlace(target, bytes, reason);

    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);
    const QByteArray name = target.mid(slash + 1);
    removeStaleTemporaries(folder);
    int fd = -1;
    const std::optional<QByteArray> temporary = createTemporary(folder, name, exists ? 0600 : 0666, &fd);
    if (!temporary)
        return exists && isFolderRefusal(errno) ? replaceInPlace(target, bytes, reason) : fail(reason, errno);
    FileDescriptor file(fd);
    const auto discard = [&temporary, reason](int error) {
        ::unlink(temporary->constData());
        return fail(reason, error);
    };
    if (!writeAll(file.get(), bytes.constData(), static_cast<std::size_t>(bytes.size()), 0) || ::fsync(file.get()) != 0)
        return discard(errno);
    if (exists) {
        const bool otherOwner = old.st_uid != ::geteuid() || old.st_gid != ::getegid();
        if (otherOwner && ::fchown(file.get(), old.st_uid, old.st_gid) != 0) {
            // The file would change hands: kept as it is, written in place.
            ::unlink(temporary->constData());
            return replaceInPlace(target, bytes, reason);
        }
        if (::fchmod(file.get(), old.st_mode & 07777) != 0)
            return discard(errno);
    }
    if (!file.close())
        return discard(errno);
    reached(Step::TemporaryWritten);
    if (::rename(temporary->constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary->constData());
        // A sticky folder lets only the owner replace a file that others may still write.
        if (exists && (error == EPERM || error == EACCES))
            return replaceInPlace(target, bytes, reason);
        return fail(reason, error);
    }
    reached(Step::Renamed);
    // The rename itself on the disk too.
    FileDescriptor folderHandle(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderHandle.get() >= 0)
        ::fsync(folderHandle.get());
    return true;
}
