// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "settings/WindowSettingsHost.h"

class DesktopEnvironment;
class QSlider;
class QWidget;
struct OpenDialogState;

// The main window as its settings component sees it: the placement record mapped onto Qt's
// frame geometry, and the stored properties of its controls. A stored position that no screen
// shows is moved where the user can reach the window.
class MainWindowSettingsHost : public WindowSettingsHost
{
public:
    // Everything given must outlive the host.
    MainWindowSettingsHost(
        QWidget &window, QSlider &clockSlider, OpenDialogState &openDialog, const DesktopEnvironment &environment);

    WindowPlacement placement() const override;
    void applyPlacement(const WindowPlacement &placement) override;
    bool isProgramMinimised() const override;
    QMargins frameMargins() const override;
    QSize screenSize() const override;
    int pixelsPerInch() const override;
    std::optional<QVariant> storedProperty(const QString &name) const override;
    void setStoredProperty(const QString &name, const QVariant &value) override;

private:
    QPoint workspaceOrigin() const;

    QWidget &m_window;
    QSlider &m_clockSlider;
    OpenDialogState &m_openDialog;
    const DesktopEnvironment &m_environment;
    int m_flags = 0; // kept as read and written back unchanged
    QPoint m_maxPosition;
};
