// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/MainLayout.h"

#include "mainwindow/ClockSlider.h"

#include "common/ColumnLabels.h"
#include "common/ProgramTexts.h"
#include "effect/EffectImage.h"
#include "effect/LedStates.h"
#include "mainwindow/LabelStrip.h"
#include "widgets/LedIndicator.h"
#include "widgets/LedPanel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <type_traits>

namespace {
using Kind = MainLayout::Kind;

template<auto Field>
void keepAs(MainControls &controls, QWidget *widget)
{
    using Pointer = std::remove_reference_t<decltype(controls.*Field)>;
    controls.*Field = static_cast<Pointer>(widget);
}

// The matrix panel's bounds are left empty: it fills the content area of its group, below the title.
const QList<MainLayout::Control> Controls {
    {"matrixGroup", Kind::GroupBox, nullptr, {0, 0, 449, 473}, Texts::MatrixGroup, false, nullptr},
    {"ledMatrix", Kind::Panel, "matrixGroup", {}, "", false, &keepAs<&MainControls::matrix>},
    {"topColumnLabels", Kind::ColumnStrip, "ledMatrix", {5, 6, 436, 28}, "", false,
        &keepAs<&MainControls::topColumnLabels>},
    {"bottomColumnLabels", Kind::ColumnStrip, "ledMatrix", {5, 414, 436, 28}, "", false,
        &keepAs<&MainControls::bottomColumnLabels>},
    {"leftRowLabels", Kind::RowStrip, "ledMatrix", {5, 30, 27, 385}, "", false, &keepAs<&MainControls::leftRowLabels>},
    {"rightRowLabels", Kind::RowStrip, "ledMatrix", {414, 30, 27, 385}, "", false,
        &keepAs<&MainControls::rightRowLabels>},
    {"previewGroup", Kind::GroupBox, nullptr, {0, 472, 449, 49}, Texts::PreviewGroup, false, nullptr},
    {"positionGroup", Kind::GroupBox, nullptr, {456, 0, 105, 97}, Texts::PositionGroup, false, nullptr},
    {"position", Kind::LineEdit, "positionGroup", {8, 17, 57, 21}, Texts::FirstPageText, true,
        &keepAs<&MainControls::pageEdit>},
    {"goButton", Kind::PushButton, "positionGroup", {64, 16, 33, 25}, Texts::GoButton, false,
        &keepAs<&MainControls::goButton>},
    {"nextPageButton", Kind::PushButton, "positionGroup", {8, 40, 89, 25}, Texts::UpButton, true,
        &keepAs<&MainControls::nextPageButton>},
    {"previousPageButton", Kind::PushButton, "positionGroup", {8, 64, 89, 25}, Texts::DownButton, true,
        &keepAs<&MainControls::previousPageButton>},
    {"loadButton", Kind::PushButton, nullptr, {464, 104, 89, 25}, Texts::LoadFileButton, true,
        &keepAs<&MainControls::loadButton>},
    {"previewModeGroup", Kind::GroupBox, nullptr, {456, 128, 105, 65}, Texts::PreviewModeGroup, false, nullptr},
    {"singlePageBox", Kind::CheckBox, "previewModeGroup", {8, 16, 89, 17}, Texts::SinglePageBox, true,
        &keepAs<&MainControls::singlePageBox>},
    {"multiPageBox", Kind::CheckBox, "previewModeGroup", {8, 40, 89, 17}, Texts::MultiPageBox, true,
        &keepAs<&MainControls::multiPageBox>},
    // Below the group's visible area on purpose: the program ticks it, the user never sees it.
    {"previewEnabledBox", Kind::CheckBox, "previewModeGroup", {8, 72, 65, 17}, Texts::PreviewEnabledBox, true,
        &keepAs<&MainControls::previewEnabledBox>},
    {"clockGroup", Kind::GroupBox, nullptr, {456, 208, 105, 313}, Texts::ClockGroup, false, nullptr},
    {"clockSlider", Kind::Slider, "clockGroup", {8, 16, 25, 289}, "", true, &keepAs<&MainControls::clockSlider>},
    {"fastestRateLabel", Kind::Label, "clockGroup", {45, 20, 0, 0}, Texts::FastestRate, false, nullptr},
    {"middleRateLabel", Kind::Label, "clockGroup", {45, 140, 0, 0}, Texts::MiddleRate, false, nullptr},
    {"slowestRateLabel", Kind::Label, "clockGroup", {51, 292, 0, 0}, Texts::SlowestRate, false, nullptr},
};

constexpr int LedOrigin = 32;
constexpr int LedPitch = 24;
constexpr int PreviewTop = 19;
} // namespace

const QList<MainLayout::Control> &MainLayout::controls()
{
    return Controls;
}

QRect MainLayout::matrixLedBounds(int n)
{
    const int row = (n - 1) / EffectImage::ColumnCount;
    const int column = (n - 1) % EffectImage::ColumnCount;
    return {QPoint(LedOrigin + LedPitch * column, LedOrigin + LedPitch * row), LedIndicator::FaceSize};
}

QRect MainLayout::previewLedBounds(int i)
{
    return {QPoint(LedOrigin + LedPitch * (i - 1), PreviewTop), LedIndicator::FaceSize};
}

QString MainLayout::matrixLedName(int n)
{
    return QStringLiteral("ledRow%1Column%2")
        .arg((n - 1) / EffectImage::ColumnCount + 1)
        .arg(ColumnLabels::number((n - 1) % EffectImage::ColumnCount));
}

QString MainLayout::previewLedName(int i)
{
    return QStringLiteral("previewLedColumn%1").arg(ColumnLabels::number(i - 1));
}

QWidget *MainLayout::create(const Control &control, QWidget *parent)
{
    const QString caption = Texts::shown(control.caption);
    switch (control.kind) {
    case Kind::GroupBox: {
        auto *box = new QGroupBox(caption, parent);
        box->setAutoFillBackground(true); // opaque, so the hidden noise shows only in the gaps
        return box;
    }
    case Kind::Panel: {
        auto *panel = new LedPanel(parent);
        panel->setAutoFillBackground(true); // opaque: a changed LED repaints only the panel
        return panel;
    }
    case Kind::PushButton: {
        auto *button = new QPushButton(caption, parent);
        button->setAutoFillBackground(true);
        return button;
    }
    case Kind::LineEdit:
        return new QLineEdit(caption, parent);
    case Kind::CheckBox:
        return new QCheckBox(caption, parent);
    case Kind::Slider:
        return new ClockSlider(parent);
    case Kind::Label:
        return new QLabel(caption, parent);
    case Kind::ColumnStrip:
        return new LabelStrip(18, 2, 1, 1, parent);
    case Kind::RowStrip:
        return new LabelStrip(2, 16, 1, 0, parent);
    }
    return nullptr;
}

MainControls MainLayout::build(QWidget *clientArea)
{
    MainControls made;
    QHash<QByteArray, QWidget *> byName;
    for (const Control &control : Controls) {
        QWidget *parent = control.parent ? byName.value(control.parent) : clientArea;
        Q_ASSERT(parent);
        QWidget *widget = create(control, parent);
        widget->setObjectName(QString::fromUtf8(control.name));
        if (control.kind == Kind::Panel)
            widget->setGeometry(parent->contentsRect());
        else if (control.kind == Kind::Label)
            widget->setGeometry(QRect(control.bounds.topLeft(), widget->sizeHint()));
        else
            widget->setGeometry(control.bounds);
        if (control.handCursor)
            widget->setCursor(Qt::PointingHandCursor);
        byName.insert(control.name, widget);
        if (control.keep)
            control.keep(made, widget);
    }
    // The load button's bottom edge lies on the top row of the group below it, under its title.
    made.loadButton->raise();
    // Screen readers name the LEDs by the numbers the label strips show: rows 1..16 from the
    // top, columns 16..1 from the left.
    made.matrix->setAccessibleName(QCoreApplication::translate("MainLayout", "LED matrix"));
    for (int n = 1; n <= LedStates::MatrixLedCount; ++n) {
        LedIndicator *led = made.matrix->addIndicator(matrixLedName(n), matrixLedBounds(n).topLeft());
        const int row = (n - 1) / EffectImage::ColumnCount + 1;
        led->setAccessibility(QCoreApplication::translate("MainLayout", "Row %1, column %2")
                                  .arg(row)
                                  .arg(ColumnLabels::number((n - 1) % EffectImage::ColumnCount)),
            true, true);
    }
    // The preview LEDs are placed relative to their group: their panel covers it, see-through.
    QWidget *group = byName.value("previewGroup");
    made.previewStrip = new LedPanel(group);
    made.previewStrip->setObjectName(QStringLiteral("previewStrip"));
    made.previewStrip->setGeometry(group->rect());
    made.previewStrip->setAccessibleName(QCoreApplication::translate("MainLayout", "Preview strip"));
    for (int i = 1; i <= LedStates::PreviewLedCount; ++i) {
        LedIndicator *led = made.previewStrip->addIndicator(previewLedName(i), previewLedBounds(i).topLeft());
        led->setAccessibility(
            QCoreApplication::translate("MainLayout", "Preview, column %1").arg(ColumnLabels::number(i - 1)), true,
            false);
    }
    // Arrow keys move across the matrix by rows and columns; it is the last stop of the Tab key.
    made.matrix->setKeyboardGrid(EffectImage::ColumnCount);
    QWidget::setTabOrder(made.clockSlider, made.matrix);
    return made;
}

void MainLayout::writeLabelStrips(const MainControls &controls)
{
    // Columns count down from 16 at the left; rows count up from 1 at the top.
    QStringList columns;
    QStringList rows;
    for (int c = 1; c <= EffectImage::ColumnCount; ++c) {
        const QString column = QString::number(ColumnLabels::number(c - 1));
        controls.topColumnLabels->setCell(c, 0, column);
        controls.bottomColumnLabels->setCell(c, 0, column);
        controls.leftRowLabels->setCell(0, c - 1, QString::number(c));
        controls.rightRowLabels->setCell(0, c - 1, QString::number(c));
        columns << column;
        rows << QString::number(c);
    }
    // What the strips show, for screen readers: they are painted, not made of labels.
    for (LabelStrip *strip : {controls.topColumnLabels, controls.bottomColumnLabels}) {
        strip->setAccessibleName(QCoreApplication::translate("MainLayout", "Column numbers"));
        strip->setAccessibleDescription(columns.join(QLatin1Char(' ')));
    }
    for (LabelStrip *strip : {controls.leftRowLabels, controls.rightRowLabels}) {
        strip->setAccessibleName(QCoreApplication::translate("MainLayout", "Row numbers"));
        strip->setAccessibleDescription(rows.join(QLatin1Char(' ')));
    }
}
