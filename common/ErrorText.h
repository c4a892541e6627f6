// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The wording of the program's error box.
class ErrorText
{
public:
    // The executable's file name without folder and without anything from its first "." on,
    // first letter as written, the rest in lower case: "/opt/GLIMMERview.x86" gives "Glimmerview".
    static QString programTitle(const QString &executablePath);
    // The message with a full stop added when its last character sorts after ".".
    static QString boxMessage(const QString &message);
};
