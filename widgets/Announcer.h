// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// Tells a screen reader a short text that no focus change would bring: a notification, seen by
// assistive technology only, that appears anew with each text, as screen readers read out a
// notification when it appears.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &text);
    QString text() const { return accessibleName(); }
};
