// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QRect>
#include <QString>
#include <QVariant>
#include <optional>

// The window's placement as the settings file records it. The normal rectangle is the frame's
// left, top, width and height in workspace coordinates (from the top-left corner of the
// available screen area); the file writes it as left, top, right = left + width,
// bottom = top + height.
struct WindowPlacement
{
    int flags = 0;
    // How the window shows, as the file records it.
    enum ShowCommand { ShownNormal = 1, ShownMinimised = 2 };
    int showCmd = ShownNormal;
    QPoint minPosition {-1, -1};
    QPoint maxPosition;
    QRect normal;
};

// What the settings component needs of the window it belongs to, and of the screen. The screen's
// size and resolution come through here, so a test can play another screen.
class WindowSettingsHost
{
public:
    virtual ~WindowSettingsHost() = default;

    virtual WindowPlacement placement() const = 0;
    virtual void applyPlacement(const WindowPlacement &placement) = 0;
    virtual bool isProgramMinimised() const = 0;
    virtual QMargins frameMargins() const = 0;
    virtual QSize screenSize() const = 0;
    virtual int pixelsPerInch() const = 0;

    // A stored property "Component.Property": its value (an int or a QString), or nothing when
    // the window has no such component.
    virtual std::optional<QVariant> storedProperty(const QString &name) const = 0;
    virtual void setStoredProperty(const QString &name, const QVariant &value) = 0;
};
