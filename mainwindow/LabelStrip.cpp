// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/LabelStrip.h"

#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>

LabelStrip::LabelStrip(int columns, int rows, int fixedColumns, int fixedRows, QWidget *parent)
    : QFrame(parent)
    , m_columns(columns)
    , m_rows(rows)
    , m_fixedColumns(fixedColumns)
    , m_fixedRows(fixedRows)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken); // a 2 px border
    setFocusPolicy(Qt::NoFocus);
}

void LabelStrip::setCell(int column, int row, const QString &text)
{
    m_cells.insert({column, row}, text);
    update(cellRect(column, row));
}

QRect LabelStrip::cellRect(int column, int row) const
{
    return {BorderWidth + column * Pitch, BorderWidth + row * Pitch, CellSize, CellSize};
}

void LabelStrip::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.fillRect(contentsRect(), palette().dark());
    const QFontMetrics metrics = painter.fontMetrics();
    for (int row = 0; row < m_rows; ++row) {
        for (int column = 0; column < m_columns; ++column) {
            const QRect r = cellRect(column, row);
            if (!r.intersects(event->rect()))
                continue;
            if (isFixed(column, row)) {
                qDrawShadePanel(&painter, r, palette(), false, 1, &palette().button());
            } else {
                painter.fillRect(r, palette().base());
            }
            const QString text = cell(column, row);
            if (!text.isEmpty()) {
                // Centred by hand: the plain point form skips the text layout engine.
                const QPoint baseline(r.x() + (r.width() - metrics.horizontalAdvance(text)) / 2,
                    r.y() + (r.height() + metrics.ascent() - metrics.descent()) / 2);
                painter.setPen(palette().buttonText().color());
                painter.drawText(baseline, text);
            }
        }
    }
    painter.setClipping(false);
    drawFrame(&painter);
}
