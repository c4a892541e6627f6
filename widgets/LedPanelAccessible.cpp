// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "widgets/LedPanelAccessible.h"

#include "widgets/LedIndicator.h"
#include "widgets/LedIndicatorAccessible.h"
#include "widgets/LedPanel.h"

namespace {
QAccessibleInterface *createInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("LedPanel"))
        return new LedPanelAccessible(static_cast<LedPanel *>(object));
    if (className == QLatin1String("LedIndicator"))
        return new LedIndicatorAccessible(static_cast<LedIndicator *>(object));
    return nullptr;
}
} // namespace

LedPanelAccessible::LedPanelAccessible(LedPanel *panel)
    : QAccessibleWidget(panel, QAccessible::Grouping)
{
}

void LedPanelAccessible::installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(&createInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

LedPanel *LedPanelAccessible::panel() const
{
    return static_cast<LedPanel *>(widget());
}

int LedPanelAccessible::childCount() const
{
    return static_cast<int>(panel()->indicators().size());
}

QAccessibleInterface *LedPanelAccessible::child(int index) const
{
    const QList<LedIndicator *> &indicators = panel()->indicators();
    if (index < 0 || index >= indicators.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(indicators.at(index)); // Qt keeps and frees it
}

int LedPanelAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child ? static_cast<int>(panel()->indicators().indexOf(static_cast<LedIndicator *>(child->object()))) : -1;
}

QAccessibleInterface *LedPanelAccessible::childAt(int x, int y) const
{
    LedIndicator *indicator = panel()->indicatorAt(panel()->mapFromGlobal(QPoint(x, y)));
    return indicator ? QAccessible::queryAccessibleInterface(indicator) : nullptr;
}

QAccessibleInterface *LedPanelAccessible::focusChild() const
{
    LedIndicator *focused = panel()->focusedIndicator();
    return focused ? QAccessible::queryAccessibleInterface(focused) : nullptr;
}
