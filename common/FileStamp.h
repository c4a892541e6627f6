// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// What tells whether a file is still the one that was read: its identity (device and inode),
// size and time of last change. Another program that rewrites or replaces it changes one of them.
struct FileStamp
{
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    bool regular = false;

    // Nothing when there is no such file (or it cannot be looked at).
    static std::optional<FileStamp> of(const QString &path);
    bool operator==(const FileStamp &) const = default;
};
