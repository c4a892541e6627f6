// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "chip/ChipAccess.h"

#include <QList>
#include <memory>

// A chip named by one text, the same in the window and on the command line: a kernel driver's
// EEPROM file, an I2C adapter, the USB programmer or a simulated chip, each kind one row of a
// table (kinds()) that opening, the help texts and the chip dialog share.
namespace ChipTargets {

struct Found
{
    QString target;
    QString description; // size, driver, whether this user may read and write it
};

// A kind of target: the form that names one, and what it is in the user's language.
struct Kind
{
    QString form;
    QString description;
};
// Every kind, in one table: what the help texts and the chip dialog describe.
QList<Kind> kinds();
// "form (what it is); ..." for every kind.
QString kindsText();

// The EEPROM files, I2C adapters and USB programmers of this machine. `root` replaces "/" for tests.
QList<Found> list(const QString &root = QStringLiteral("/"));

// Throws AppError for a text that names no target, touching nothing.
void checkForm(const QString &target);
// Throws AppError for a text that names no target, or a target that cannot be opened. `sysRoot`
// replaces "/sys" for tests.
std::unique_ptr<ChipAccess> open(
    const QString &target, bool forWriting, const QString &sysRoot = QStringLiteral("/sys"));

} // namespace ChipTargets
