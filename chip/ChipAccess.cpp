// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chip/ChipAccess.h"

#include <cstring>

QString systemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
