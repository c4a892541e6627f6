// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

class QLabel;

// The windows' font: the system's, at an 11 px character height, the size the layouts were made
// for.
class WindowFont
{
public:
    static constexpr int PixelSize = 11;

    static QFont font(const QFont &system);
    // Makes a label's text fit its fixed width, a pixel size smaller at a time (down to 7 px).
    static void fitWidth(QLabel *label);
};
