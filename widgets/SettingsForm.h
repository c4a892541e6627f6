// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/NamedSettings.h"

#include <QWidget>

class QFormLayout;

// Controls for a table of settings, one a row under its caption: a check box for off or on, a
// number box within the range, a list of the choices (our pixel font and the installed fonts for
// "font"), or a text field. Each control is named after its setting.
class SettingsForm : public QWidget
{
    Q_OBJECT

public:
    // `context` is where the captions are translated.
    explicit SettingsForm(const char *context, QWidget *parent = nullptr);

    // The controls of `table`, at their defaults; `leds` is the string's length.
    void showTable(const QList<Setting> &table, int leds);
    // What the controls hold, as NAME=VALUE.
    QStringList settings() const;
    // The keys go from `before` (none: the controls come first) through the controls to `after`,
    // not in the order they were made.
    void chainFocus(QWidget *before, QWidget *after) const;

Q_SIGNALS:
    void changed();

private:
    const char *m_context;
    QFormLayout *m_layout;
    QList<QWidget *> m_controls;
};
