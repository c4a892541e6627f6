// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "widgets/SettingsDialog.h"

#include "widgets/SettingsForm.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

SettingsDialog::SettingsDialog(
    const QString &title, const char *context, const QList<Setting> &table, int leds, QWidget *parent)
    : QDialog(parent)
    , m_form(new SettingsForm(context, this))
{
    setWindowTitle(title);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_form->showTable(table, leds);
    m_form->chainFocus(nullptr, buttons);
}

QStringList SettingsDialog::settings() const
{
    return m_form->settings();
}
