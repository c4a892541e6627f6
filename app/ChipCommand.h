// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// The chip from the command line, without a window: --chip TARGET with --read, --write or
// --verify FILE, and --list-chips. Progress and reasons go to standard error.
namespace ChipCommand {

enum class Action { Read, Write, Verify };

// The file's bytes, which go into a chip as they are: exactly its layout's count, or AppError
// before any chip is touched.
QByteArray imageBytes(const QString &path);
// Exit status: 0 success, 1 the chip does not hold the image (verify), 2 any error.
int run(const QString &target, Action action, const QString &file);
// Prints the targets found, one a line: the target, a tab, its description. Exit status 0.
int listChips();

} // namespace ChipCommand
