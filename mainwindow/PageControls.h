// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "mainwindow/MainLayout.h"

#include <QObject>
#include <cstdint>

class EffectDocument;
class LedDisplay;
class PreviewController;

// The Position group: the page typed in the position box (Ok or Enter goes to it), Up and Down
// step through the pages (and Page Down and Page Up while the matrix has the keys), and the page
// shown is the image's current one.
class PageControls : public QObject
{
    Q_OBJECT

public:
    // The position box takes its keys below the menu shortcuts of `window`.
    PageControls(const MainControls &controls, EffectDocument &document, LedDisplay &leds, PreviewController &preview,
        QWidget *window);

    // Shows the current page, if it is 1..64: its number into the position box, and every matrix
    // LED whose state differs switched.
    void showCurrentPage();
    void showPage(int page);
    // LEDs of `page` changed: shown when it is the current page, in full when it was not the
    // page shown (undo and redo turn to the page they change).
    void showChangedPage(int page);
    void goToTypedPage();

Q_SIGNALS:
    // A page was shown (or shown again): its LEDs are in the matrix.
    void pageShown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Throws AppError for a text that is no number.
    void showTypedPage();
    // Up and Down: the page turned by hand starts a fresh preview period.
    void stepToPage(std::uint16_t page);

    const MainControls &m_controls;
    EffectDocument &m_document;
    LedDisplay &m_leds;
    PreviewController &m_preview;
    QWidget *m_window;
    int m_shownPage = 0; // none yet
};
