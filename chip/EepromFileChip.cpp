// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chip/EepromFileChip.h"

#include "chip/ChipGeometry.h"
#include "chip/TargetLock.h"
#include "common/AppError.h"
#include "common/FileKind.h"
#include "common/LocalPath.h"

#include <QCoreApplication>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

EepromFileChip::FileCalls EepromFileChip::systemCalls()
{
    return {[](int fd, void *buffer, size_t count, off_t offset) { return ::pread(fd, buffer, count, offset); },
        [](int fd, const void *buffer, size_t count, off_t offset) { return ::pwrite(fd, buffer, count, offset); }};
}

EepromFileChip::EepromFileChip(FileDescriptor file, int size, const QString &path, FileCalls calls)
    : m_file(std::move(file))
    , m_size(size)
    , m_path(path)
    , m_calls(std::move(calls))
{
}

std::unique_ptr<EepromFileChip> EepromFileChip::open(
    const QString &path, bool forWriting, FileCalls calls, const QString &sysRoot)
{
    // Only what a kernel driver offers: an effect file is exactly a chip's size, and a swapped
    // --chip and --write would otherwise overwrite it. Links are followed to the file itself.
    const QByteArray name = LocalPath::encode(path);
    char resolved[PATH_MAX];
    if (!::realpath(name.constData(), resolved)) {
        throw AppError(QCoreApplication::translate("EepromFileChip", "%1 cannot be opened: %2")
                           .arg(LocalPath::displayed(path), systemErrorText(errno)));
    }
    const QByteArray real(resolved);
    const QByteArray fileName = real.mid(real.lastIndexOf('/') + 1);
    const QByteArray root = LocalPath::encode(sysRoot) + '/';
    struct stat status
    {
    };
    const bool known = ::stat(real.constData(), &status) == 0;
    if (!real.startsWith(root) || (fileName != "eeprom" && fileName != "nvmem") || !known || !S_ISREG(status.st_mode)) {
        throw AppError(QCoreApplication::translate("EepromFileChip",
            "%1 is %2, not an EEPROM file that a kernel driver offers (a file named eeprom or nvmem under %3). "
            "To use a file as a simulated chip, name it sim:%1 (sim8: for the 1024-byte part).")
                           .arg(LocalPath::displayed(path),
                               known ? FileKind::describe(status.st_mode)
                                     : QCoreApplication::translate("EepromFileChip", "not to be found"),
                               sysRoot));
    }
    FileDescriptor file(::open(real.constData(), (forWriting ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC));
    if (!file.isOpen()) {
        const int error = errno;
        if (error == EACCES || error == EPERM) {
            throw AppError((forWriting ? QCoreApplication::translate("EepromFileChip",
                                "No permission to write %1. EEPROM files are root's by default; a udev "
                                "rule or a group can give access (the package installs none for them).")
                                       : QCoreApplication::translate("EepromFileChip",
                                           "No permission to read %1. EEPROM files are root's by default; a udev "
                                           "rule or a group can give access (the package installs none for them)."))
                               .arg(LocalPath::displayed(path)));
        }
        throw AppError(QCoreApplication::translate("EepromFileChip", "%1 cannot be opened: %2")
                           .arg(LocalPath::displayed(path), systemErrorText(error)));
    }
    if (!ChipGeometry::isChipSize(static_cast<int>(status.st_size))) {
        throw AppError(
            QCoreApplication::translate("EepromFileChip", "%1 holds %2 bytes: not a 1024- or 2048-byte EEPROM.")
                .arg(LocalPath::displayed(path))
                .arg(status.st_size));
    }
    if (forWriting)
        TargetLock::lockFile(file.get(), path);
    return std::unique_ptr<EepromFileChip>(new EepromFileChip(
        std::move(file), static_cast<int>(status.st_size), LocalPath::displayed(path), std::move(calls)));
}

QByteArray EepromFileChip::read(int offset, int length)
{
    QByteArray bytes(length, Qt::Uninitialized);
    int done = 0;
    while (done < length) {
        const ssize_t got
            = m_calls.pread(m_file.get(), bytes.data() + done, static_cast<size_t>(length - done), offset + done);
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
        const ssize_t put = m_calls.pwrite(
            m_file.get(), bytes.constData() + done, static_cast<size_t>(bytes.size() - done), offset + done);
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
