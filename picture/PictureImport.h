// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/NamedSettings.h"
#include "effect/RowTools.h"

#include <QImage>
#include <QList>

class QIODevice;

// A picture (PNG, BMP, GIF with all its frames, JPEG) as rows of the effect, in one of two
// placements: each pixel row a row in time, the picture's width across the string; or each
// tile of the string's width and 16 rows a page, left to right and top to bottom, frame after
// frame. A pixel as bright as the threshold or brighter is lit.
namespace PictureImport {

// The largest picture read: its header is checked first, so a huge one is never decoded.
constexpr int MostSide = 4096;
constexpr qint64 MostPixels = 4096 * 1024;
constexpr int MostFrames = 1024;

// placement, threshold, dither, invert, wide: what the dialog shows and --set takes.
const QList<Setting> &settings();

// The frames of the picture in `device`, each the brightness of its pixels (0..255; transparent
// is dark). Throws AppError, before anything is decoded where it can, for what is no picture of
// these kinds, a broken or cut one, none of 0 pixels, one too big or of too many frames.
QList<QImage> read(QIODevice &device);
QList<QImage> read(const QString &path);

// The frames' rows for a string of `leds` LEDs with `given` settings (NAME=VALUE). Throws
// AppError for a setting that is not known or out of its range.
QList<RowTools::Frame> rows(const QList<QImage> &frames, const QStringList &given, int leds);

} // namespace PictureImport
