// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "credits/CreditsScroll.h"

#include <QImage>
#include <QPainter>

namespace {
constexpr qsizetype MaxLineLength = 255;
}

CreditsScroll::CreditsScroll(QStringList lines, QSize area, int lineHeight)
    : m_lines(std::move(lines))
    , m_area(area)
    , m_lineHeight(lineHeight)
{
    while (m_firstLine < m_lines.size() && m_lines[m_firstLine].trimmed().isEmpty())
        ++m_firstLine;
    m_limit = m_area.height() + (static_cast<int>(m_lines.size()) - m_firstLine) * m_lineHeight;
}

bool CreditsScroll::tick()
{
    if (m_count >= m_limit)
        return false;
    ++m_count;
    return true;
}

void CreditsScroll::render(QImage &image, const QFont &font, const QColor &text, const QColor &background) const
{
    image.fill(background);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(text);
    int top = m_area.height() - m_count;
    for (qsizetype i = m_firstLine; i < m_lines.size(); ++i, top += m_lineHeight) {
        if (top + m_lineHeight <= 0)
            continue; // gone above the area
        if (top >= m_area.height())
            break; // not yet risen into it
        painter.drawText(QRect(0, top, m_area.width(), m_lineHeight),
            Qt::AlignHCenter | Qt::AlignTop | Qt::TextExpandTabs, m_lines[i].left(MaxLineLength));
    }
}
