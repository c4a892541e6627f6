// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "chip/ChipAccess.h"

#include <QList>
#include <memory>

// A chip named by one text, the same in the window and on the command line:
//   /sys/bus/nvmem/devices/*/nvmem, /sys/bus/i2c/devices/*/eeprom  a kernel driver's EEPROM file
//   i2c:/dev/i2c-N, i2c8:/dev/i2c-N                              an I2C adapter, driven directly,
//                                                                with a 2048- or 1024-byte chip
//   ch341a, ch341a:BUS-ADDRESS                                   the USB programmer (the first, or
//                                                                the one at that place), with
//                                                                ?speed=400 and ?size=1024 if asked
//   sim:FILE, sim8:FILE                                          a simulated 2048- or 1024-byte
//                                                                chip whose bytes live in FILE
namespace ChipTargets {

struct Found
{
    QString target;
    QString description; // size, driver, whether this user may read and write it
};

// The EEPROM files, I2C adapters and USB programmers of this machine. `root` replaces "/" for tests.
QList<Found> list(const QString &root = QStringLiteral("/"));

// Throws AppError for a text that names no target, or a target that cannot be opened.
std::unique_ptr<ChipAccess> open(const QString &target, bool forWriting);

} // namespace ChipTargets
