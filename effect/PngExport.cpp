// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/PngExport.h"

#include "common/ColourSettings.h"
#include "effect/EffectImage.h"

#include <QPainter>

namespace {
constexpr int Dot = 6; // pitch of the LEDs
constexpr int Caption = 14; // the page number above each page
constexpr int Gap = 10;
constexpr int PagesPerRow = 8;
constexpr int PageSide = EffectImage::ColumnCount * Dot;
const QColor Background(24, 26, 32);
const QColor Dark(60, 62, 70);

QColor colourOf(std::uint8_t code)
{
    switch (code) {
    case ColourSettings::Green:
        return {40, 210, 60};
    case ColourSettings::Blue:
        return {50, 110, 255};
    case ColourSettings::Yellow:
        return {250, 220, 30};
    default:
        return {240, 40, 40}; // red, as any code that names no colour shows
    }
}
} // namespace

QImage PngExport::render(const EffectImage &image, const ColourSettings &colours)
{
    const int rows = EffectImage::PageCount / PagesPerRow;
    QImage picture(Gap + PagesPerRow * (PageSide + Gap), Gap + rows * (Caption + PageSide + Gap), QImage::Format_RGB32);
    picture.fill(Background);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    for (int page = 1; page <= EffectImage::PageCount; ++page) {
        const int left = Gap + ((page - 1) % PagesPerRow) * (PageSide + Gap);
        const int top = Gap + ((page - 1) / PagesPerRow) * (Caption + PageSide + Gap);
        painter.setPen(QColor(220, 220, 220));
        painter.drawText(QRect(left, top, PageSide, Caption), Qt::AlignLeft | Qt::AlignTop, QString::number(page));
        painter.setPen(Qt::NoPen);
        const EffectImage::Page &states = image.page(page);
        for (int i = 0; i < EffectImage::LedsPerPage; ++i) {
            const int column = i % EffectImage::ColumnCount;
            const bool lit = states[static_cast<std::size_t>(i)] == EffectImage::On;
            painter.setBrush(lit ? colourOf(colours.entry(column + 1)) : Dark);
            const QPointF centre(
                left + column * Dot + Dot / 2.0, top + Caption + (i / EffectImage::ColumnCount) * Dot + Dot / 2.0);
            painter.drawEllipse(centre, Dot / 2.0 - 0.6, Dot / 2.0 - 0.6);
        }
    }
    return picture;
}
