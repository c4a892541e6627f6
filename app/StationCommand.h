// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The production station without a window: --station --chip A [--chip B]... --write FILE (or
// --clone MASTER) --log LOG [--count N]. One line for each chip on standard output, a summary at the end (after N
// chips, or on Ctrl+C). For lanes that cannot sense a chip, each line typed on standard input (Enter) tells that a chip
// is in.
namespace StationCommand {

// Exit status: 0 every chip passed, 1 any failed, 2 an error that stops the station (a bad
// target, image or log), with the reason on standard error and no chip touched.
// The image is `file`'s, or, with `master` named instead, the bytes read from that chip.
int run(const QStringList &targets, const QString &file, const QString &master, const QString &log, int count);

} // namespace StationCommand
