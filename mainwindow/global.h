// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "ColourSettings.h"
#include "GlyphBitmaps.h"

class TForm1;

// The data that lives for the whole run and is shared by the windows: the colour settings
// table, the nine glyph bitmaps and the one reference to the main window through which the
// Options dialog redraws it. The program's entry owns the one instance and hands it out.
class Global
{
public:
    ColourSettings colours;
    GlyphBitmaps glyphs; // empty until the main window's start-up loads them
    TForm1 *mainForm = nullptr;
};
