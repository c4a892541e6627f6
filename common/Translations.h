// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

class QCoreApplication;

// The program's texts and Qt's own (the standard dialogs, --help) in the user's language, when
// we ship it; English is the program's own and needs no translation.
namespace Translations {
// Before the first text is made; the translators belong to `application`.
void install(QCoreApplication &application);
}
