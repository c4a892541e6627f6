// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/LedDisplay.h"

#include "common/GlyphBitmaps.h"
#include "common/GlyphChoice.h"
#include "effect/EffectImage.h"
#include "widgets/LedIndicator.h"
#include "widgets/LedPanel.h"

LedDisplay::LedDisplay(LedPanel &matrix, LedPanel &previewStrip, const EffectImage &image,
    const ColourSettings &colours, const GlyphBitmaps &glyphs)
    : m_matrix(matrix)
    , m_previewStrip(previewStrip)
    , m_image(image)
    , m_colours(colours)
    , m_glyphs(glyphs)
{
    matrix.setPictureSource(&glyphs);
    previewStrip.setPictureSource(&glyphs);
}

LedIndicator *LedDisplay::indicator(int n) const
{
    Q_ASSERT(LedStates::isLedNumber(n));
    if (LedStates::isMatrixLed(n))
        return m_matrix.indicators().at(n - 1);
    return m_previewStrip.indicators().at(n - LedStates::FirstPreviewLed);
}

int LedDisplay::matrixLedOf(const LedIndicator *indicator) const
{
    const int n = static_cast<int>(m_matrix.indicators().indexOf(indicator)) + 1;
    Q_ASSERT(LedStates::isMatrixLed(n));
    return n;
}

const QImage *LedDisplay::glyphImage(int column, bool unlit) const
{
    const QImage &image = m_glyphs.drawable(GlyphChoice::glyphFor(m_colours, column, unlit));
    return image.isNull() ? nullptr : &image;
}

void LedDisplay::setLed(int n, std::uint8_t state, bool force)
{
    if (!m_states.change(n, state, force))
        return;
    LedIndicator *led = indicator(n);
    led->setGlyph(glyphImage(LedStates::columnOf(n), state != EffectImage::On));
    led->setLit(state == EffectImage::On);
}

void LedDisplay::showCurrentPage(bool force)
{
    if (!EffectImage::isValidPage(m_image.currentPage()))
        return;
    const EffectImage::Page &page = m_image.page(m_image.currentPage());
    m_matrix.beginUpdate();
    for (int n = 1; n <= EffectImage::LedsPerPage; ++n)
        setLed(n, page[static_cast<std::size_t>(n - 1)], force);
    m_matrix.endUpdate();
}

void LedDisplay::showPreviewRow(const std::array<std::uint8_t, LedStates::PreviewLedCount> &row)
{
    m_previewStrip.beginUpdate();
    for (int i = 0; i < LedStates::PreviewLedCount; ++i)
        setLed(LedStates::FirstPreviewLed + i, row[static_cast<std::size_t>(i)], false);
    m_previewStrip.endUpdate();
}

void LedDisplay::clearPreviewStrip()
{
    m_previewStrip.beginUpdate();
    for (int i = 0; i < LedStates::PreviewLedCount; ++i)
        setLed(LedStates::FirstPreviewLed + i, EffectImage::Off, true);
    m_previewStrip.endUpdate();
}
