// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "mainwindow/MainWindowSettingsHost.h"

#include "common/DesktopEnvironment.h"
#include "common/ProgramTexts.h"
#include "common/ScreenFit.h"
#include "mainwindow/OpenDialogState.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSlider>

namespace {
const QString DefaultExtProperty = QString::fromUtf8(Texts::DefaultExtProperty);
const QString InitialDirProperty = QString::fromUtf8(Texts::InitialDirProperty);
const QString ClockPositionProperty = QString::fromUtf8(Texts::ClockPositionProperty);
} // namespace

MainWindowSettingsHost::MainWindowSettingsHost(
    QWidget &window, QSlider &clockSlider, OpenDialogState &openDialog, const DesktopEnvironment &environment)
    : m_window(window)
    , m_clockSlider(clockSlider)
    , m_openDialog(openDialog)
    , m_environment(environment)
{
}

QPoint MainWindowSettingsHost::workspaceOrigin() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().topLeft() : QPoint();
}

WindowPlacement MainWindowSettingsHost::placement() const
{
    WindowPlacement placement;
    placement.flags = m_flags;
    placement.maxPosition = m_maxPosition;
    const QRect frame = m_window.frameGeometry();
    placement.normal = QRect(frame.topLeft() - workspaceOrigin(), frame.size());
    return placement;
}

void MainWindowSettingsHost::applyPlacement(const WindowPlacement &placement)
{
    m_flags = placement.flags;
    m_maxPosition = placement.maxPosition;
    const QPoint stored = placement.normal.topLeft() + workspaceOrigin();
    const QPoint corner = ScreenFit::reachablePosition(QRect(stored, m_window.frameGeometry().size()),
        std::max(frameMargins().top(), ScreenFit::MinimumTitleHeight), ScreenFit::workAreas());
    if (m_window.frameGeometry().topLeft() != corner)
        m_window.move(corner);
}

bool MainWindowSettingsHost::isProgramMinimised() const
{
    return m_window.isMinimized();
}

QMargins MainWindowSettingsHost::frameMargins() const
{
    const QRect frame = m_window.frameGeometry();
    const QRect inner = m_window.geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
        frame.bottom() - inner.bottom()};
}

QSize MainWindowSettingsHost::screenSize() const
{
    return m_environment.primaryScreenSize();
}

int MainWindowSettingsHost::pixelsPerInch() const
{
    return m_environment.pixelsPerInch();
}

std::optional<QVariant> MainWindowSettingsHost::storedProperty(const QString &name) const
{
    if (name == DefaultExtProperty)
        return QVariant(m_openDialog.defaultExt);
    if (name == InitialDirProperty)
        return QVariant(m_openDialog.initialDir);
    if (name == ClockPositionProperty)
        return QVariant(m_clockSlider.value());
    return std::nullopt;
}

void MainWindowSettingsHost::setStoredProperty(const QString &name, const QVariant &value)
{
    if (name == DefaultExtProperty)
        m_openDialog.defaultExt = value.toString();
    else if (name == InitialDirProperty)
        m_openDialog.initialDir = value.toString();
    else if (name == ClockPositionProperty)
        m_clockSlider.setValue(value.toInt()); // the slider's own setter: clamped, handler on change
}
