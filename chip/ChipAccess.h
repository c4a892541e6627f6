// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/SystemErrorText.h"

#include <QByteArray>
#include <QString>

// One EEPROM, however it is reached. Every call either does all it says or throws AppError with
// a reason the user can act on; none reports success for bytes that did not move.
class ChipAccess
{
public:
    virtual ~ChipAccess() = default;

    // 1024 or 2048.
    virtual int size() const = 0;
    // Precondition: the range lies inside the chip.
    virtual QByteArray read(int offset, int length) = 0;
    // Precondition: 1..16 bytes inside one 16-byte chip page. Returns once the chip has taken
    // them, its busy time waited out.
    virtual void writePage(int offset, const QByteArray &bytes) = 0;
    // False where a missing chip cannot be told from an erased one: the bus reads 0xFF (or 0x00)
    // without an error.
    virtual bool acknowledgesReliably() const { return true; }
};
