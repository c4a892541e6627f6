// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "chip/ChipAccess.h"
#include "common/FileDescriptor.h"

#include <functional>
#include <memory>
#include <sys/types.h>

// The chip through the file a Linux kernel driver offers for it (an nvmem or eeprom file of 1024
// or 2048 bytes): read with pread, written in place with pwrite, every short write carried on
// and every failure reported. The driver waits out the chip's busy time itself.
class EepromFileChip : public ChipAccess
{
public:
    // The calls to the file, a seam for tests: what ::pread and ::pwrite return, errno set.
    struct FileCalls
    {
        std::function<ssize_t(int fd, void *buffer, size_t count, off_t offset)> pread;
        std::function<ssize_t(int fd, const void *buffer, size_t count, off_t offset)> pwrite;
    };
    static FileCalls systemCalls();

    // Throws AppError when the file is not an eeprom or nvmem file under `sysRoot` (links
    // followed), cannot be opened (for writing too, when asked), is not the size of a chip, or is
    // being written by another process. `sysRoot` is another folder for tests only.
    static std::unique_ptr<EepromFileChip> open(const QString &path, bool forWriting, FileCalls calls = systemCalls(),
        const QString &sysRoot = QStringLiteral("/sys"));

    int size() const override { return m_size; }
    QByteArray read(int offset, int length) override;
    void writePage(int offset, const QByteArray &bytes) override;

private:
    EepromFileChip(FileDescriptor file, int size, const QString &path, FileCalls calls);

    FileDescriptor m_file;
    int m_size;
    QString m_path;
    FileCalls m_calls;
};
