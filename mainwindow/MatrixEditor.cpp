// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/MatrixEditor.h"

#include "document/EffectDocument.h"
#include "effect/EffectImage.h"
#include "mainwindow/LedDisplay.h"
#include "widgets/LedPanel.h"

#include <QGuiApplication>

MatrixEditor::MatrixEditor(LedPanel &matrix, LedDisplay &leds, EffectDocument &document, QObject *parent)
    : QObject(parent)
    , m_leds(leds)
    , m_document(document)
{
    connect(&matrix, &LedPanel::pressed, this, &MatrixEditor::onPressed);
    connect(&matrix, &LedPanel::moved, this, &MatrixEditor::onDragged);
    connect(&matrix, &LedPanel::released, this, &MatrixEditor::onReleased);
}

void MatrixEditor::onPressed(LedIndicator *indicator, Qt::MouseButton button)
{
    const int page = m_document.image().currentPage();
    const EffectImage::Page before = m_document.image().page(page);
    // Ctrl with the right button clears from the first LED on; any other press leaves erasing.
    m_erasing = button == Qt::RightButton && QGuiApplication::keyboardModifiers() == Qt::ControlModifier;
    if (button == Qt::RightButton) // the start of a stroke: one step when the button is let go
        m_document.paintOn(page);
    press(indicator);
    if (button != Qt::RightButton)
        m_document.recordChange(page, before, tr("Toggle LED"));
}

void MatrixEditor::onDragged(LedIndicator *indicator, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    m_painting = buttons == Qt::RightButton && modifiers == Qt::NoModifier;
    m_erasing = buttons == Qt::RightButton && modifiers == Qt::ControlModifier;
    if (!m_painting && !m_erasing)
        return;
    const int playing = m_document.image().currentPage();
    if (m_document.paintOn(playing))
        Q_EMIT pageToShow(playing);
    press(indicator);
}

void MatrixEditor::onReleased(Qt::MouseButton button)
{
    if (button == Qt::RightButton) {
        m_document.finishStroke();
        m_erasing = false;
    }
}

void MatrixEditor::press(LedIndicator *indicator)
{
    const int n = m_leds.matrixLedOf(indicator);
    const std::uint8_t state = m_erasing ? EffectImage::Off : LedStates::pressedState(m_leds.shown(n), m_painting);
    m_leds.setLed(n, state, true); // always redrawn: no skip rule here
    m_document.setLed(m_document.image().currentPage(), n - 1, state);
}
