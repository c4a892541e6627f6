// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleInterface>

// An item assistive technology sees without children of its own (an LED, a page of the
// overview), whose text only the program sets.
class AccessibleLeaf : public QAccessibleInterface
{
public:
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override { }
};
