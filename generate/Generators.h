// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/EffectImage.h"

#include <QList>
#include <QString>
#include <utility>

// Effects made from a few settings, as frames of the string: row after row, the 1024 rows of the
// 64 pages. What they make is an ordinary image, to be edited further. The same settings always
// make the same bytes.
namespace Generators {

struct Kind
{
    const char *name;
    const char *what; // in the "Generators" translation context
    QList<std::pair<const char *, const char *>> settings; // name, default
};

// Every kind with its settings and their defaults: what --help lists.
const QList<Kind> &kinds();
// "chase (width=1, tail=0, bounce=0): …; …" for help texts.
QString kindsText();

// The image of `kind` for a string of `leds` LEDs (16, or 8: the left half of each row), with
// `settings` as NAME=VALUE. Throws AppError naming an unknown kind, an unknown or repeated name,
// or a value out of its range: nothing is guessed.
EffectImage make(const QString &kind, const QStringList &settings, int leds);

} // namespace Generators
