// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "FormStorageHost.h"

class DesktopEnvironment;
class TForm1;

// The main window as its settings component sees it: the placement record mapped onto Qt's
// frame geometry, and the stored properties of its controls.
class MainFormHost : public FormStorageHost
{
public:
    MainFormHost(TForm1 &form, const DesktopEnvironment &environment);

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

    TForm1 &m_form;
    const DesktopEnvironment &m_environment;
    int m_flags = 0; // kept as read and written back unchanged
    QPoint m_maxPosition;
};
