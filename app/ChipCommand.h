// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The chip from the command line, without a window: --chip TARGET with --read, --write or
// --verify FILE, and --list-chips. Progress and reasons go to standard error.
namespace ChipCommand {

enum class Action { Read, Write, Verify };

// Exit status: 0 success, 1 the chip does not hold the image (verify), 2 any error.
int run(const QString &target, Action action, const QString &file);
// Prints the targets found, one a line: the target, a tab, its description. Exit status 0.
int listChips();

} // namespace ChipCommand
