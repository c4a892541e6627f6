// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "widgets/WindowFont.h"

#include <QFontMetrics>
#include <QLabel>

QFont WindowFont::font(const QFont &system)
{
    QFont font = system;
    font.setPixelSize(PixelSize);
    return font;
}

void WindowFont::fitWidth(QLabel *label)
{
    QFont font = label->font();
    int size = font.pixelSize() > 0 ? font.pixelSize() : PixelSize;
    while (size > 7 && QFontMetrics(font).horizontalAdvance(label->text()) > label->width()) {
        font.setPixelSize(--size);
    }
    label->setFont(font);
}
