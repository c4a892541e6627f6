// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "widgets/LedIndicator.h"

#include <QWidget>

class GlyphBitmaps;

// A surface that draws a set of LED indicators and tells which one the mouse acts on. One
// widget paints them all, so showing a page repaints once, not 256 times.
//
// The indicators look like flat speed buttons: a thin raised frame under the pointer, a sunken
// frame with the glyph one pixel down and right while the left button holds one, no change on
// other buttons. As with such buttons, only a left press captures the mouse: while the left
// button is held, movement belongs to the indicator pressed (or to none when the press was
// between indicators); otherwise it belongs to the indicator under the pointer, and over the
// gaps to none.
class LedPanel : public QWidget, public IndicatorSurface
{
    Q_OBJECT

public:
    static constexpr int MarkSize = 7; // px, the sides of a marked LED's corner tick

    explicit LedPanel(QWidget *parent = nullptr);

    LedIndicator *addIndicator(const QString &name, QPoint topLeft, QSize size = {23, 22});
    const QList<LedIndicator *> &indicators() const { return m_indicators; }
    LedIndicator *indicatorAt(QPoint point) const;

    // Between begin and end, glyph changes are gathered into one repaint.
    void beginUpdate() { ++m_batchDepth; }
    void endUpdate();
    void repaintIndicator(const LedIndicator *indicator) override;

    // Where the glyphs' drawings for screens of high resolution come from; without one, the
    // glyphs are drawn as they are.
    void setPictureSource(const GlyphBitmaps *pictures) { m_pictures = pictures; }

    // Keyboard use, taken up by Tab only, so that clicks behave as they always have: the
    // indicators stand in rows of `columns`; the arrows move a focus frame (no wrapping), Home and
    // End go to the ends of its row, Space presses the framed indicator as a left click does.
    void setKeyboardGrid(int columns);
    LedIndicator *focusedIndicator() const;
    // A left click that comes from the keyboard or an assistive tool: pressed, then clicked.
    void activate(LedIndicator *indicator);

Q_SIGNALS:
    // A press on an indicator with any button; a double click counts as a press.
    void pressed(LedIndicator *indicator, Qt::MouseButton button);
    // Movement that belongs to an indicator (see above), with the buttons and keys held.
    void moved(LedIndicator *indicator, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    // A left press and release on the same indicator.
    void clicked(LedIndicator *indicator);
    // Any button let go over the panel, wherever it was pressed.
    void released(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void setHovered(LedIndicator *indicator);
    void moveFocusTo(qsizetype index);
    // Where a key moves the focus frame from `index`; `index` itself when it goes nowhere.
    qsizetype focusTarget(qsizetype index, int key) const;
    void drawIndicator(QPainter &painter, const LedIndicator *indicator) const;

    QList<LedIndicator *> m_indicators;
    LedIndicator *m_hovered = nullptr;
    bool m_leftHeld = false;
    LedIndicator *m_leftPressed = nullptr; // what the left button captured, if anything
    int m_batchDepth = 0;
    const GlyphBitmaps *m_pictures = nullptr;
    int m_gridColumns = 0; // 0: no keyboard use
    qsizetype m_focusIndex = 0;
    QRect m_batchDirty;
};
