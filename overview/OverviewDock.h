// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QDockWidget>

#include "effect/RowSelection.h"

class ColourSettings;
class ComparisonSession;
class EffectDocument;
class EffectImage;
class PreviewController;
class PagesView;
class TimeStrip;

// The whole effect at a glance, docked beside the main window: the 64 pages above, the time strip
// below. Its toggle action (View › Overview, F9) brings it back once closed.
class OverviewDock : public QDockWidget
{
    Q_OBJECT

public:
    OverviewDock(const EffectImage &image, const ColourSettings &colours, const ComparisonSession &comparison,
        QWidget *parent = nullptr);

    // Follows, from now on, each change of the document's image and each row the preview plays
    // (the comparison it was made with it follows from the start).
    void follow(const EffectDocument &document, const PreviewController &preview);
    PagesView *pages() const { return m_pages; }
    // Whether `window`, with the overview shown beside its fixed-size client area, fits the
    // available area of its screen. Shows the overview to find out.
    bool fitsScreenBeside(QWidget &window);
    TimeStrip *timeStrip() const { return m_strip; }

public Q_SLOTS:
    // The image or the colours changed as a whole.
    void refresh();
    // One page's LEDs changed.
    void refreshPage(int page);
    // Another page is shown in the matrix.
    void followShownPage();
    // The differences changed: the views draw their marks again.
    void showDifferences();
    // The preview plays `row` (0..15) of the current page; -1 when it is not playing.
    void showPlayingRow(int row);

Q_SIGNALS:
    void pageChosen(int page);
    void rowChosen(int page, int row);
    // Pages or rows chosen in either view, for the tools to act on.
    void selectionRequested(const RowSelection &selection);

private:
    const EffectImage &m_image;
    PagesView *m_pages;
    TimeStrip *m_strip;
    RowSelection m_selection;

    void showTarget();
};
