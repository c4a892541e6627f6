// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "global.h"
