// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QFrame>
#include <QMap>

// A small grid of header cells that labels the matrix rows or columns: 23 px cells and a 1 px
// grid line, so the cells sit on the LEDs' 24 px pitch. No headers of Qt's, no scroll bars.
class LabelStrip : public QFrame
{
    Q_OBJECT

public:
    static constexpr int CellSize = 23;
    static constexpr int Pitch = CellSize + 1;
    static constexpr int BorderWidth = 2;

    // Fixed columns and rows are drawn as header cells, the rest as plain cells.
    LabelStrip(int columns, int rows, int fixedColumns, int fixedRows, QWidget *parent = nullptr);

    QString cell(int column, int row) const { return m_cells.value({column, row}); }
    void setCell(int column, int row, const QString &text);
    // The cell's rectangle in the strip's own coordinates.
    QRect cellRect(int column, int row) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool isFixed(int column, int row) const { return column < m_fixedColumns || row < m_fixedRows; }

    int m_columns;
    int m_rows;
    int m_fixedColumns;
    int m_fixedRows;
    QMap<QPair<int, int>, QString> m_cells;
};
