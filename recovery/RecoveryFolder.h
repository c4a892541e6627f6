// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Where the recovery copies go: the user's state folder, or, where that cannot be written, a
// private folder of the user's own (mode 0700) under `fallbackBase`. A fallback folder that is
// not the user's alone (made by someone else beforehand, or a link) is never used.
struct RecoveryFolder
{
    QString folder; // empty: edits cannot be kept at all
    QString notice; // for the user, once: where edits are kept, or that they cannot be; empty when all is well

    static RecoveryFolder choose(const QString &preferred, const QString &fallbackBase = QStringLiteral("/var/tmp"));
};
