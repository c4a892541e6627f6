// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "widgets/LedIndicatorAccessible.h"

#include "widgets/LedIndicator.h"
#include "widgets/LedPanel.h"

#include <QCoreApplication>

#include <QWidget>

LedIndicatorAccessible::LedIndicatorAccessible(LedIndicator *indicator)
    : m_indicator(indicator)
{
}

bool LedIndicatorAccessible::isValid() const
{
    return m_indicator != nullptr;
}

QObject *LedIndicatorAccessible::object() const
{
    return m_indicator;
}

QWindow *LedIndicatorAccessible::window() const
{
    const QWidget *top = m_indicator ? m_indicator->panel()->window() : nullptr;
    return top ? top->windowHandle() : nullptr;
}

QAccessibleInterface *LedIndicatorAccessible::parent() const
{
    return m_indicator ? QAccessible::queryAccessibleInterface(m_indicator->panel()) : nullptr;
}

QString LedIndicatorAccessible::text(QAccessible::Text t) const
{
    if (m_indicator && t == QAccessible::Name)
        return m_indicator->accessibleName();
    if (m_indicator && t == QAccessible::Description && m_indicator->isMarked())
        return QCoreApplication::translate("LedIndicator", "differs from the reference");
    return {};
}

QRect LedIndicatorAccessible::rect() const
{
    if (!m_indicator)
        return {};
    const QRect local = m_indicator->geometry();
    return {m_indicator->panel()->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::Role LedIndicatorAccessible::role() const
{
    return m_indicator && m_indicator->isCheckable() ? QAccessible::CheckBox : QAccessible::Button;
}

QAccessible::State LedIndicatorAccessible::state() const
{
    QAccessible::State state;
    if (!m_indicator)
        return state;
    const auto *panel = static_cast<const LedPanel *>(m_indicator->panel());
    state.invisible = !panel->isVisible();
    state.checkable = m_indicator->isCheckable();
    state.checked = m_indicator->isCheckable() && m_indicator->isLit();
    state.focusable = panel->focusPolicy() != Qt::NoFocus;
    state.focused = panel->focusedIndicator() == m_indicator;
    return state;
}

void *LedIndicatorAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

QStringList LedIndicatorAccessible::actionNames() const
{
    return m_indicator && m_indicator->isPressable() ? QStringList {pressAction()} : QStringList {};
}

void LedIndicatorAccessible::doAction(const QString &actionName)
{
    if (m_indicator && m_indicator->isPressable() && actionName == pressAction())
        static_cast<LedPanel *>(m_indicator->panel())->activate(m_indicator);
}

QStringList LedIndicatorAccessible::keyBindingsForAction(const QString &actionName) const
{
    return actionName == pressAction() ? QStringList {QStringLiteral("Space")} : QStringList {};
}
