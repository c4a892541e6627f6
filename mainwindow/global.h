// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "ColourSettings.h"
#include "DesktopEnvironment.h"
#include "GlyphBitmaps.h"

#include <memory>

class TForm1;

// The data that lives for the whole run and is shared by the windows: the colour settings
// table, the nine glyph bitmaps, the one reference to the main window through which the
// Options dialog redraws it, and the facts of the machine. The program's entry owns the one instance and hands it out.
class Global
{
public:
    ColourSettings colours;
    GlyphBitmaps glyphs; // empty until the main window's start-up loads them
    TForm1 *mainForm = nullptr;
    std::shared_ptr<const DesktopEnvironment> environment = std::make_shared<DesktopEnvironment>();
};
