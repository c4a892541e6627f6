// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The command line's conversions, without a window: an effect generated or imported from a
// picture into an image file, and an image exported for other tools. Each returns the exit
// status: 0, or 2 with the reason on standard error (a bad kind, name or value, a file that
// cannot be read or written); nothing is written when anything is wrong.
namespace ConvertCommand {

// The effect `kind` makes with `settings`, into `output` in the layout its name says.
int generate(const QString &kind, const QStringList &settings, const QString &output);
// The picture's rows with `settings`, into `output` in the layout its name says, from its first
// row; rows past the last are cut, and said so.
int importPicture(const QString &picture, const QStringList &settings, const QString &output);
// The image in `file` exported as `kind` with `settings` into `output`.
int exportImage(const QString &kind, const QStringList &settings, const QString &output, const QString &file);

} // namespace ConvertCommand
