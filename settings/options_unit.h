// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "ColourSettings.h"

#include <QDialog>

class Global;
class LedIndicator;
class LedPanel;
class QPushButton;

// The Options dialog: the colour of each LED column and the look of unlit LEDs. It edits a copy
// of the colour settings table, shown on its own buttons at once; OK hands the copy to the main
// window, Cancel, Esc and the close box drop it. A new dialog for every opening.
class TOptionsForm : public QDialog
{
    Q_OBJECT

public:
    static constexpr QSize ClientSize {424, 162};

    explicit TOptionsForm(Global &global, QWidget *parent = nullptr);

    const ColourSettings &dialogCopy() const { return m_copy; }
    LedIndicator *colourButton(int entry) const; // 1..16, or 17 for the off-LED button

    void refreshClick();
    void SpeedButtonClick(int entry); // SpeedButton1Click .. SpeedButton16Click, SpeedButtonOFFLEDClick
    void BitBtn1Click();
    void BitBtn2Click();

private:
    void FormCreate();
    void buildLayout();
    // The glyph that entry `e` shows, advancing its value first when asked.
    const QImage *pickGlyph(int entry, bool advance);

    Global &m_global;
    ColourSettings m_copy;
    LedPanel *m_buttons = nullptr;
};
