// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/NamedSettings.h"
#include "effect/ImageDecoder.h"

#include <QByteArray>

class ColourSettings;

// Every export of an image as one table: the kinds --export takes, their settings, and what each
// makes of an image. The window's File › Export menu makes the same bytes.
namespace Exports {

using Kind = SettingsKind;

const QList<Kind> &kinds();
// "gif rate=10 (…); …" for help texts.
QString kindsText();

// The export `kind` of `image`, kept in `layout`, with `given` settings (NAME=VALUE); `path` is
// where it goes, which names a C array. Throws AppError for an unknown kind, a setting not known
// or out of range, or settings that do not go together.
QByteArray make(const QString &kind, const EffectImage &image, ImageLayout layout, const QStringList &given,
    const ColourSettings &colours, const QString &path);

} // namespace Exports
