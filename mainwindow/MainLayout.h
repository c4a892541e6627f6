// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QRect>

class LabelStrip;
class LedPanel;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QWidget;

// The controls of the main window that its code works with, as the layout made them.
struct MainControls
{
    LedPanel *matrix = nullptr;
    LedPanel *previewStrip = nullptr;
    QLineEdit *pageEdit = nullptr;
    QPushButton *goButton = nullptr;
    QPushButton *nextPageButton = nullptr;
    QPushButton *previousPageButton = nullptr;
    QPushButton *loadButton = nullptr;
    QCheckBox *singlePageBox = nullptr;
    QCheckBox *multiPageBox = nullptr;
    QCheckBox *previewEnabledBox = nullptr; // ticked by the program only; the user never sees it
    QSlider *clockSlider = nullptr;
    LabelStrip *topColumnLabels = nullptr;
    LabelStrip *bottomColumnLabels = nullptr;
    LabelStrip *leftRowLabels = nullptr;
    LabelStrip *rightRowLabels = nullptr;
};

// The main window's client area as data: every control with its parent, bounds and caption,
// walked once to build the window. Bounds are relative to the parent's outer corner, as Qt
// places children; the LEDs sit on a 24 px pitch and are given by formula. Object names are
// those the settings file and the tests know the controls by.
class MainLayout
{
public:
    enum class Kind { GroupBox, Panel, PushButton, LineEdit, CheckBox, Slider, Label, ColumnStrip, RowStrip };
    // Stores the made control in its field of MainControls, if it has one.
    using Keep = void (*)(MainControls &controls, QWidget *widget);

    struct Control
    {
        const char *name;
        Kind kind;
        const char *parent; // nullptr: the client area
        QRect bounds; // for a Label only the top-left corner counts: labels size themselves
        const char *caption;
        bool handCursor;
        Keep keep;
    };

    static constexpr QSize ClientSize {567, 528};

    static const QList<Control> &controls();

    // LED n (1..256) on the matrix, preview LED i (1..16) on the preview strip, which covers its group.
    static QRect matrixLedBounds(int n);
    static QRect previewLedBounds(int i);
    // "ledRow3Column12": rows and columns numbered as the label strips show them.
    static QString matrixLedName(int n);
    // "previewLedColumn12", numbered as the label strips show the columns.
    static QString previewLedName(int i);

    // Creates every control, the LEDs included, as children of `clientArea`.
    static MainControls build(QWidget *clientArea);
    // The numbers on the label strips, and what they show for screen readers.
    static void writeLabelStrips(const MainControls &controls);

private:
    static QWidget *create(const Control &control, QWidget *parent);
};
