// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/NamedSettings.h"

#include <QDialog>

class SettingsForm;

// A table of settings to set before work begins (an export's options): the controls at their
// defaults, OK and Cancel.
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // `context` translates the captions; `leds` is the string's length.
    SettingsDialog(
        const QString &title, const char *context, const QList<Setting> &table, int leds, QWidget *parent = nullptr);

    // What the controls hold, as NAME=VALUE.
    QStringList settings() const;

private:
    SettingsForm *m_form;
};
