// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class EffectDocument;
class LedDisplay;
class LedIndicator;
class LedPanel;

// Edits with the mouse on the matrix: a click flips an LED and is one step of the history; the
// right button held alone paints LEDs on, held with Ctrl it clears them, and its stroke is one
// step when the button is let go.
class MatrixEditor : public QObject
{
    Q_OBJECT

public:
    MatrixEditor(LedPanel &matrix, LedDisplay &leds, EffectDocument &document, QObject *parent);

    // True while the right button alone paints over the matrix.
    bool painting() const { return m_painting; }

Q_SIGNALS:
    // A stroke the preview turned the page under became its step; the page playing now is to
    // be shown again.
    void pageToShow(int page);

private:
    void onPressed(LedIndicator *indicator, Qt::MouseButton button);
    void onDragged(LedIndicator *indicator, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void onReleased(Qt::MouseButton button);
    void press(LedIndicator *indicator);

    LedDisplay &m_leds;
    EffectDocument &m_document;
    bool m_painting = false; // the last move over a matrix LED was made with the right button alone
    bool m_erasing = false; // the last move over a matrix LED was made with Ctrl and the right button
};
