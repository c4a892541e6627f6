// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/RowSelection.h"

#include <QFont>
#include <QImage>
#include <QWidget>
#include <array>

class ColourSettings;
class ComparisonSession;
class EffectImage;
class LedColours;

// All 64 pages at once, 8 a row, each a small picture of its 16x16 LEDs in the column colours,
// lit LEDs bright and unlit ones dim, with its number. The shown page is framed; while
// comparing, a page that differs carries the number of its differing LEDs. A click, or Enter on
// the page the arrow keys reached, asks for that page to be shown. Shift with a click or the
// arrows asks to choose the pages from the shown one (or the last clicked) to there; Ctrl with a
// click adds a page to the chosen ones or takes it out. Chosen pages are shaded, chosen rows
// marked beside their page.
class PagesView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PagesPerRow = 8;
    static constexpr int LedPitch = 2; // px a LED in a page's picture, edge to edge

    PagesView(const EffectImage &image, const ColourSettings &colours, const ComparisonSession &comparison,
        QWidget *parent = nullptr);

    QSize sizeHint() const override;
    // The page under a point, or 0.
    int pageAt(QPoint point) const;
    QRect pageRect(int page) const;
    // Where a page's picture of its LEDs is, within its place.
    QRect pictureRect(int page) const;
    int keyboardPage() const { return m_keyboardPage; }
    int shownPage() const { return m_framedPage; }
    int litLeds(int page) const;
    const RowSelection &selection() const { return m_selection; }
    // The font a page's caption is drawn in: `base`, or smaller where the text would be wider
    // than `width` (down to 6 px, then clipped), so that captions never run together.
    static QFont captionFont(const QFont &base, const QString &text, int width);

public Q_SLOTS:
    // The image, the colours or the comparison changed: every picture is drawn again.
    void refresh();
    // One page's LEDs changed (an edit in the matrix).
    void refreshPage(int page);
    // Another page is shown: only its frame moves.
    void followShownPage();
    // The preview plays `row` (0..15) of `page`; page 0 when it is not playing.
    void showPlayingRow(int page, int row);
    void showSelection(const RowSelection &selection);

Q_SIGNALS:
    void pageChosen(int page);
    void selectionRequested(const RowSelection &selection);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    const EffectImage &m_image;
    const ColourSettings &m_colours;
    const ComparisonSession &m_comparison;
    // The page the arrow keys reached, told to assistive technology.
    void moveKeyboardPage(int page);
    // A page's picture, drawn when first needed after a change.
    const QImage &picture(int page, const LedColours &shades) const;

    // The pages from the anchor to `page` asked to be chosen.
    void chooseUpTo(int page);

    RowSelection m_selection;
    int m_anchorPage = 0; // where Shift chooses from; 0: the shown page
    int m_keyboardPage = 1;
    int m_framedPage = 1;
    int m_playingPage = 0;
    int m_playingRow = 0;
    mutable std::array<QImage, 64> m_pictures; // null: to be drawn
};
