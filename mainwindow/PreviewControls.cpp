// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/PreviewControls.h"

#include "effect/PreviewController.h"
#include "mainwindow/ClockSlider.h"

#include <QCheckBox>

PreviewControls::PreviewControls(const MainControls &controls, PreviewController &preview, QObject *parent)
    : QObject(parent)
    , m_controls(controls)
    , m_preview(preview)
{
    // The enable box is the program's alone: a window of its own that never shows, so neither
    // the Tab key nor assistive technology (which lists no window's children among its
    // parent's) finds it.
    controls.previewEnabledBox->setWindowFlags(Qt::Window);
    controls.previewEnabledBox->hide();
    QCheckBox *single = controls.singlePageBox;
    QCheckBox *multi = controls.multiPageBox;
    // Only `clicked` comes from the user; ticking a box from the program runs no handler.
    connect(single, &QCheckBox::clicked, this, [this, single, multi] { onModeBoxClicked(single, multi); });
    connect(multi, &QCheckBox::clicked, this, [this, single, multi] { onModeBoxClicked(multi, single); });
    connect(controls.previewEnabledBox, &QCheckBox::clicked, this, &PreviewControls::applyEnabled);
    // Read at every tick as the box stands, however it was ticked.
    connect(multi, &QCheckBox::toggled, this, [this](bool allPages) {
        m_preview.setMode(allPages ? PreviewPlayer::Mode::AllPages : PreviewPlayer::Mode::SinglePage);
    });
    // The program's own changes of the position apply the rate only when the value changes
    // (valueChanged); every handling by the user applies it, even one that leaves the position
    // as it was: a click on the thumb, the end of a drag, a key at either end.
    QSlider *clock = controls.clockSlider;
    connect(clock, &QSlider::valueChanged, this, &PreviewControls::applyClockRate);
    connect(clock, &QSlider::sliderPressed, this, &PreviewControls::applyClockRate);
    connect(clock, &QSlider::sliderReleased, this, &PreviewControls::applyClockRate);
    connect(clock, &QSlider::actionTriggered, this, &PreviewControls::applyClockRate);
}

void PreviewControls::applyEnabled()
{
    const bool enabled = m_controls.previewEnabledBox->isChecked();
    m_preview.setRunning(enabled);
    if (!enabled)
        Q_EMIT stopped();
}

void PreviewControls::onModeBoxClicked(QCheckBox *clicked, QCheckBox *other)
{
    const bool ticked = clicked->isChecked();
    if (ticked)
        other->setChecked(false);
    m_controls.previewEnabledBox->setChecked(ticked);
    applyEnabled();
}

void PreviewControls::applyClockRate()
{
    m_preview.setRowsPerSecond(static_cast<ClockSlider *>(m_controls.clockSlider)->rowsPerSecond());
}
