// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/RowSelection.h"
#include "effect/TimeAxis.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <bitset>

class ColourSettings;
class ComparisonSession;
class EffectImage;

// The effect as the string plays it: the 1024 rows one after the other along a horizontal time
// axis, the 16 LEDs of each row across it (the strip's left LED at the top), page boundaries
// marked with their numbers. Scrolls sideways; Ctrl+wheel and Ctrl+plus/minus zoom. The row the
// preview plays is marked; while comparing, each differing LED carries a tick and each differing
// row a red mark under it. A click, or Enter on the row the arrow keys reached, chooses a row.
// A drag, Shift with a click or with the arrows, asks to choose the rows it spans; chosen rows
// are shaded.
class TimeStrip : public QAbstractScrollArea
{
    Q_OBJECT

public:
    static constexpr int CaptionHeight = 12; // the page numbers above the rows
    static constexpr int LedHeight = 4;
    static constexpr int DifferenceBandHeight = 4;

    TimeStrip(const EffectImage &image, const ColourSettings &colours, const ComparisonSession &comparison,
        QWidget *parent = nullptr);

    QSize sizeHint() const override;
    const TimeAxis &axis() const { return m_axis; }
    // The row under a point of the viewport, or -1.
    int rowAt(QPoint point) const;
    // Where a row's LED (0..15 from the strip's left) is drawn in the viewport.
    QRect ledRect(int index, int column) const;
    int keyboardRow() const { return m_keyboardRow; }
    int playingRow() const { return m_playingRow; }
    // Zooms in (steps > 0) or out keeping the row under `anchor` (viewport x) in place.
    void zoom(int steps, int anchor);

public Q_SLOTS:
    void refresh();
    void refreshPage(int page);
    // The row the preview shows now, 0..1023, or -1 when it is not playing. A mark that was in
    // view is followed when it runs out of it.
    void showPlayingRow(int index);
    void showSelection(const RowSelection &selection);

Q_SIGNALS:
    void rowChosen(int page, int row);
    void selectionRequested(const RowSelection &selection);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int scroll() const;
    void updateScrollRange();
    // Draws the pages changed since the last paint into the strip's picture.
    void drawStalePages();
    // Moves the row the keyboard is at, and brings it into view.
    void moveKeyboardRow(int index);
    void scrollTo(int index);
    // Tells assistive technology the page and row under the pointer or the keyboard.
    void describe(int index);
    void drawPageBoundaries(QPainter &painter, int first, int last) const;
    void drawDifferences(QPainter &painter, int first, int last) const;
    void drawRowFrame(QPainter &painter, int index, const QPen &pen) const;

    const EffectImage &m_image;
    const ColourSettings &m_colours;
    const ComparisonSession &m_comparison;
    TimeAxis m_axis;
    QImage m_leds; // one pixel a LED: a column a row of the effect, a line an LED of the strip
    std::bitset<EffectImage::PageCount> m_stalePages;
    RowSelection m_selection;
    int m_anchorRow = -1; // where a drag or Shift chooses from; -1: none yet
    int m_keyboardRow = 0;
    int m_playingRow = -1;
};
