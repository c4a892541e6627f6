// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QImage>

// Reads the uncompressed 24-bit Windows bitmaps the program ships as its pictures. A small
// reader of our own: Qt's image reader would first scan every image plugin on the system,
// which costs more at start-up than the nine glyphs themselves.
class BmpDecoder
{
public:
    // A Format_RGB888 image, or a null image when the bytes are not an uncompressed 24-bit BMP.
    static QImage decode(QByteArrayView bytes);
    static QImage load(const QString &path);
};
