// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/FileDescriptor.h"

#include <QString>
#include <memory>

// Keeps a second writer away from a chip while one writes: two writers would each report
// success for bytes the other then overwrote. The lock is a POSIX record lock, which the system
// lets go however the process ends, and which names the process that holds it.
namespace TargetLock {
// Locks the open file itself (an EEPROM or simulated chip's file) for as long as this process
// keeps any descriptor of it open. Throws AppError naming the process that holds it.
void lockFile(int fd, const QString &target);
// Locks a file named for `key` (an adapter's device, a programmer) in /run/lock, or in /tmp
// where that cannot be written; held while the descriptor returned is.
// Throws AppError naming the process that holds it.
FileDescriptor lockKey(const QString &key, const QString &target);
} // namespace TargetLock
