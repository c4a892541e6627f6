// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QStringList>

class QColor;
class QFont;
class QImage;

// The credits that rise through the About window's first tab: one pixel a tick, from the
// bottom edge of the text area until the last line has left its top edge. Leading blank lines
// are never drawn.
class CreditsScroll
{
public:
    // The text area is the panel's client area inset by 5 px: 1 px for each of the two bevels
    // plus a 3 px margin.
    static QRect textArea(const QRect &panelClient) { return panelClient.adjusted(5, 5, -5, -5); }

    CreditsScroll(QStringList lines, QSize area, int lineHeight);

    int firstLine() const { return m_firstLine; }
    int limit() const { return m_limit; }
    int count() const { return m_count; }

    // One tick: the text rises a pixel. False, with nothing changed, once the limit is reached:
    // the scroll then ends.
    bool tick();
    // The text area as the current tick shows it, drawn into `image` (the area's size).
    void render(QImage &image, const QFont &font, const QColor &text, const QColor &background) const;

private:
    QStringList m_lines;
    QSize m_area;
    int m_lineHeight;
    int m_firstLine = 0;
    int m_limit = 0;
    int m_count = 0;
};
