// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QRect>

class QWidget;

// The main window's client area as data: every control with its parent, bounds, caption and
// pointer, walked once to build the window. Bounds are relative to the parent's outer corner,
// as Qt places children; the LEDs sit on a 24 px pitch and are given by formula.
class MainLayout
{
public:
    enum class Kind { GroupBox, Panel, PushButton, LineEdit, CheckBox, Slider, Label, ColumnStrip, RowStrip };

    struct Control
    {
        const char *name;
        Kind kind;
        const char *parent; // nullptr: the client area
        QRect bounds; // for a Label only the top-left corner counts: labels size themselves
        const char *caption;
        bool handCursor;
    };

    static constexpr QSize ClientSize {567, 528};
    static constexpr int MatrixLedCount = 256;
    static constexpr int PreviewLedCount = 16;

    static const QList<Control> &controls();

    // LED n (1..256) on Panel1, preview LED i (1..16) on PreviewPanel, which covers GroupBox2.
    static QRect matrixLedBounds(int n);
    static QRect previewLedBounds(int i);
    static QString matrixLedName(int n);
    static QString previewLedName(int i);

    // Creates every control, the LEDs included, as children of `clientArea`.
    static void build(QWidget *clientArea);

private:
    static QWidget *create(const Control &control, QWidget *parent);
};
