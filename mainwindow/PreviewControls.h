// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "mainwindow/MainLayout.h"

#include <QObject>

class PreviewController;

// The preview's controls wired to its controller: the Single page and Multi page boxes, which
// exclude each other and start or stop it through the hidden enable box, and the clock slider.
class PreviewControls : public QObject
{
    Q_OBJECT

public:
    PreviewControls(const MainControls &controls, PreviewController &preview, QObject *parent);

    // Starts or stops the preview as the enable box stands.
    void applyEnabled();

Q_SIGNALS:
    // The preview was stopped: its strip goes dark.
    void stopped();

private:
    void onModeBoxClicked(QCheckBox *clicked, QCheckBox *other);
    void applyClockRate();

    const MainControls &m_controls;
    PreviewController &m_preview;
};
