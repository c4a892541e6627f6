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

using Kind = SettingsKind;

// Every kind with its settings and their defaults: what --help and the Generate dialog list.
const QList<Kind> &kinds();
// "chase (width=1, tail=0, bounce=0): …; …" for help texts.
QString kindsText();

using Frame = RowTools::Frame;
// The 1024 frames of `kind` for a string of `leds` LEDs (16, or 8), with `settings` as
// NAME=VALUE. Throws AppError naming an unknown kind, an unknown or repeated name, or a value out
// of its range: nothing is guessed.
QList<Frame> frames(const QString &kind, const QStringList &settings, int leds);
// The whole image of `kind`, from an unlit one.
EffectImage make(const QString &kind, const QStringList &settings, int leds);

} // namespace Generators
