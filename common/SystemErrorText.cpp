// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/SystemErrorText.h"

#include <cstring>

QString systemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
