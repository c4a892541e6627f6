// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/NamedSettings.h"
#include "effect/EffectImage.h"
#include "effect/RowTools.h"

#include <QList>
#include <QString>
#include <cstdint>

// Effects made from a few settings, as frames of the string: row after row, the 1024 rows of the
// 64 pages. What they make is an ordinary image, to be edited further. The same settings always
// make the same bytes.
namespace Generators {

struct Kind
{
    const char *name;
    const char *what; // in the "Generators" translation context
    QList<Setting> settings;
};

// Every kind with its settings and their defaults: what --help and the Generate dialog list.
const QList<Kind> &kinds();
// "chase (width=1, tail=0, bounce=0): …; …" for help texts.
QString kindsText();

// Frame bit i: LED i + 1, counted from the string's LED 1 end.
using Frame = std::uint16_t;
// The 1024 frames of `kind` for a string of `leds` LEDs (16, or 8), with `settings` as
// NAME=VALUE. Throws AppError naming an unknown kind, an unknown or repeated name, or a value out
// of its range: nothing is guessed.
QList<Frame> frames(const QString &kind, const QStringList &settings, int leds);
// The frames written one a row into `rows` (ascending), as many as there are rows: the string's
// `leds` LEDs of each row, the rest of the row as it was.
void writeFrames(RowTools::Pages &pages, const QList<int> &rows, const QList<Frame> &frames, int leds);
// The whole image of `kind`, from an unlit one.
EffectImage make(const QString &kind, const QStringList &settings, int leds);

} // namespace Generators
