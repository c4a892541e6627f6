// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/ColourSettings.h"

#include <QDialog>

class GlyphBitmaps;
class LedIndicator;
class LedPanel;
class QPushButton;

// The Options dialog: the colour of each LED column and the look of unlit LEDs. It edits a copy
// of the colour table, shown on its own buttons at once; OK hands the copy to the owner through
// coloursAccepted(), Cancel, Esc and the close box drop it. A new dialog for every opening.
class OptionsDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr QSize ClientSize {424, 162};

    // The glyphs must outlive the dialog.
    OptionsDialog(const ColourSettings &current, const GlyphBitmaps &glyphs, QWidget *parent = nullptr);

    const ColourSettings &dialogCopy() const { return m_copy; }
    LedIndicator *colourButton(int entry) const; // 1..16, or 17 for the off-LED button

Q_SIGNALS:
    // OK was pressed: the owner takes the colours while the dialog is still on the screen.
    void coloursAccepted(const ColourSettings &colours);

private Q_SLOTS:
    void cycleEntry(int entry);
    // The button's glyph and accessible name for its value, advanced first when asked.
    void showEntry(int entry, bool advance);
    void acceptColours();

private:
    void buildLayout();
    void showAllEntries();
    // The glyph that entry `entry` shows, advancing its value first when asked.
    const QImage *pickGlyph(int entry, bool advance);

    const GlyphBitmaps &m_glyphs;
    ColourSettings m_copy;
    LedPanel *m_buttons = nullptr;
};
