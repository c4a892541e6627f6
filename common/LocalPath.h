// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// File names as the system holds them: bytes, not always UTF-8. Qt's own conversion turns a byte
// that is no UTF-8 into U+FFFD, and such a file can then be neither opened nor saved. Here each
// such byte becomes a lone surrogate (U+DC80..U+DCFF) and back, so every name survives the trip
// through a QString unchanged; names that are UTF-8 read exactly as Qt reads them.
namespace LocalPath {
QString decode(const QByteArray &bytes);
QByteArray encode(const QString &path);
// For messages and titles: what cannot be shown is shown as U+FFFD.
QString displayed(const QString &path);
} // namespace LocalPath
