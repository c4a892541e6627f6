// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <sys/types.h>

// What kind of file a stat() mode names, for messages that refuse one: "a folder", "a named
// pipe", "a block device", ...
namespace FileKind {
QString describe(mode_t mode);
} // namespace FileKind
