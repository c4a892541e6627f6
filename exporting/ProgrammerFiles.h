// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// The chip's bytes in the text forms universal EEPROM programmers load, from address 0, sixteen
// bytes a record.
namespace ProgrammerFiles {

// Intel HEX: data records and the end-of-file record.
QByteArray intelHex(const QByteArray &bytes);
// Motorola S-record: a header naming `name`, S1 data records, their count (S5) and the end (S9).
QByteArray sRecord(const QByteArray &bytes, const QByteArray &name);

} // namespace ProgrammerFiles
