// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The system's words for an errno value, for messages: "No such file or directory".
QString systemErrorText(int error);
