// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "widgets/AccessibleLeaf.h"

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class LedIndicator;

// One LED as assistive technology sees it: named as its owner named it ("Row 3, column 12"), a
// check box that is checked while lit, or a button; pressable where a click would act on it.
class LedIndicatorAccessible : public AccessibleLeaf, public QAccessibleActionInterface
{
public:
    explicit LedIndicatorAccessible(LedIndicator *indicator);

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    QPointer<LedIndicator> m_indicator;
};
