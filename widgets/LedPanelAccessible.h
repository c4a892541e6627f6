// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

class LedPanel;

// What assistive technology sees of an LED panel: one painted widget, but one child per
// indicator (see LedIndicatorAccessible), so every LED can be found, read and pressed.
class LedPanelAccessible : public QAccessibleWidget
{
public:
    explicit LedPanelAccessible(LedPanel *panel);

    // Makes Qt ask us for the interfaces of panels and their indicators; once per process.
    static void installFactory();

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

private:
    LedPanel *panel() const;
};
