// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

// Page numbers for a message as runs: "1–3, 7, 12–64". A screen reader reads "1–64" as three
// words, not sixty-four numbers.
namespace PageRanges {
// Precondition: the pages ascend.
QString text(const QList<int> &pages);
} // namespace PageRanges
