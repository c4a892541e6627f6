// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chip/EepromFileChip.h"

#include "chip/ChipGeometry.h"
#include "common/AppError.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
} // namespace

EepromFileChip::FileCalls EepromFileChip::systemCalls()
{
    return {[](int fd, void *buffer, size_t count, off_t offset) { return ::pread(fd, buffer, count, offset); },
        [](int fd, const void *buffer, size_t count, off_t offset) { return ::pwrite(fd, buffer, count, offset); }};
}

EepromFileChip::EepromFileChip(int fd, int size, const QString &path, FileCalls calls)
    : m_fd(fd)
    , m_size(size)
    , m_path(path)
    , m_calls(std::move(calls))
{
}

EepromFileChip::~EepromFileChip()
{
    ::close(m_fd);
}

std::unique_ptr<EepromFileChip> EepromFileChip::open(const QString &path, bool forWriting, FileCalls calls)
{
    const int fd = ::open(QFile::encodeName(path).constData(), (forWriting ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == EACCES || error == EPERM) {
            throw AppError((forWriting ? QCoreApplication::translate("EepromFileChip",
                                "No permission to write %1. EEPROM files are root's by default; a udev "
                                "rule or a group can give access (the package installs none for them).")
                                       : QCoreApplication::translate("EepromFileChip",
                                           "No permission to read %1. EEPROM files are root's by default; a udev "
                                           "rule or a group can give access (the package installs none for them)."))
                               .arg(path));
        }
        throw AppError(
            QCoreApplication::translate("EepromFileChip", "%1 cannot be opened: %2").arg(path, systemErrorText(error)));
    }
    struct stat status
    {
    };
    if (::fstat(fd, &status) != 0 || !ChipGeometry::isChipSize(static_cast<int>(status.st_size))) {
        ::close(fd);
        throw AppError(
            QCoreApplication::translate("EepromFileChip", "%1 holds %2 bytes: not a 1024- or 2048-byte EEPROM.")
                .arg(path)
                .arg(status.st_size));
    }
    return std::unique_ptr<EepromFileChip>(
        new EepromFileChip(fd, static_cast<int>(status.st_size), path, std::move(calls)));
}

QByteArray EepromFileChip::read(int offset, int length)
{
    QByteArray bytes(length, Qt::Uninitialized);
    int done = 0;
    while (done < length) {
        const ssize_t got = m_calls.pread(m_fd, bytes.data() + done, static_cast<size_t>(length - done), offset + done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw AppError(QCoreApplication::translate("EepromFileChip", "%1 cannot be read: %2")
                               .arg(m_path, systemErrorText(errno)));
        if (got == 0)
            throw AppError(QCoreApplication::translate("EepromFileChip", "%1 ends at byte %2, before the chip does.")
                               .arg(m_path)
                               .arg(offset + done));
        done += static_cast<int>(got);
    }
    return bytes;
}

void EepromFileChip::writePage(int offset, const QByteArray &bytes)
{
    int done = 0;
    while (done < bytes.size()) {
        const ssize_t put
            = m_calls.pwrite(m_fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done), offset + done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0 && errno == EFBIG)
            throw AppError(
                QCoreApplication::translate("EepromFileChip", "%1 ends before byte %2: it is smaller than the chip.")
                    .arg(m_path)
                    .arg(offset + done));
        if (put < 0)
            throw AppError(QCoreApplication::translate("EepromFileChip", "%1 cannot be written: %2")
                               .arg(m_path, systemErrorText(errno)));
        if (put == 0)
            throw AppError(QCoreApplication::translate("EepromFileChip", "%1 took no bytes at byte %2.")
                               .arg(m_path)
                               .arg(offset + done));
        done += static_cast<int>(put); // a short write: the rest goes next
    }
}
