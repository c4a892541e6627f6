// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "MainFormHost.h"

#include "DesktopEnvironment.h"
#include "mainUnit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSlider>

namespace {
const QString DefaultExtProperty = QStringLiteral("OpenDialog.DefaultExt");
const QString InitialDirProperty = QStringLiteral("OpenDialog.InitialDir");
const QString PositionProperty = QStringLiteral("TrackBar1.Position");
} // namespace

MainFormHost::MainFormHost(TForm1 &form, const DesktopEnvironment &environment)
    : m_form(form)
    , m_environment(environment)
{
}

QPoint MainFormHost::workspaceOrigin() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().topLeft() : QPoint();
}

WindowPlacement MainFormHost::placement() const
{
    WindowPlacement placement;
    placement.flags = m_flags;
    placement.maxPosition = m_maxPosition;
    const QRect frame = m_form.frameGeometry();
    placement.normal = QRect(frame.topLeft() - workspaceOrigin(), frame.size());
    return placement;
}

void MainFormHost::applyPlacement(const WindowPlacement &placement)
{
    m_flags = placement.flags;
    m_maxPosition = placement.maxPosition;
    const QPoint corner = placement.normal.topLeft() + workspaceOrigin();
    if (m_form.frameGeometry().topLeft() != corner)
        m_form.move(corner);
}

bool MainFormHost::isProgramMinimised() const
{
    return m_form.isMinimized();
}

QMargins MainFormHost::frameMargins() const
{
    const QRect frame = m_form.frameGeometry();
    const QRect inner = m_form.geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
        frame.bottom() - inner.bottom()};
}

QSize MainFormHost::screenSize() const
{
    return m_environment.primaryScreenSize();
}

int MainFormHost::pixelsPerInch() const
{
    return m_environment.pixelsPerInch();
}

std::optional<QVariant> MainFormHost::storedProperty(const QString &name) const
{
    if (name == DefaultExtProperty)
        return QVariant(m_form.openDialogDefaultExt());
    if (name == InitialDirProperty)
        return QVariant(m_form.openDialogInitialDir());
    if (name == PositionProperty)
        return QVariant(m_form.trackBar1()->value());
    return std::nullopt;
}

void MainFormHost::setStoredProperty(const QString &name, const QVariant &value)
{
    if (name == DefaultExtProperty)
        m_form.setOpenDialogDefaultExt(value.toString());
    else if (name == InitialDirProperty)
        m_form.setOpenDialogInitialDir(value.toString());
    else if (name == PositionProperty)
        m_form.trackBar1()->setValue(value.toInt()); // the slider's own setter: clamped, handler on change
}
