// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "widgets/SettingsForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

SettingsForm::SettingsForm(const char *context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_layout(new QFormLayout(this))
{
    m_layout->setContentsMargins({});
}

void SettingsForm::showTable(const QList<Setting> &table, int leds)
{
    while (m_layout->rowCount() > 0)
        m_layout->removeRow(0);
    m_controls.clear();
    for (const Setting &setting : table) {
        QWidget *control = nullptr;
        const QString value = QString::fromUtf8(setting.defaultValue);
        if (setting.isSwitch()) {
            auto *box = new QCheckBox(this);
            box->setChecked(value == QLatin1String("1"));
            connect(box, &QCheckBox::toggled, this, &SettingsForm::changed);
            control = box;
        } else if (setting.isNumber()) {
            auto *number = new QSpinBox(this);
            number->setRange(setting.least, setting.most == Setting::StringLeds ? leds : setting.most);
            number->setValue(value.toInt());
            connect(number, &QSpinBox::valueChanged, this, &SettingsForm::changed);
            control = number;
        } else if (setting.choices || qstrcmp(setting.name, "font") == 0) {
            auto *choice = new QComboBox(this);
            choice->addItems(setting.choices ? setting.choiceList() : QStringList {value} + QFontDatabase::families());
            choice->setCurrentText(value);
            connect(choice, &QComboBox::currentIndexChanged, this, &SettingsForm::changed);
            control = choice;
        } else {
            auto *text = new QLineEdit(value, this);
            connect(text, &QLineEdit::textChanged, this, &SettingsForm::changed);
            control = text;
        }
        control->setObjectName(QString::fromLatin1(setting.name));
        m_layout->addRow(QCoreApplication::translate(m_context, setting.caption) + QLatin1Char(':'), control);
        m_controls << control;
    }
}

QStringList SettingsForm::settings() const
{
    QStringList given;
    for (const QWidget *control : m_controls) {
        QString value;
        if (const auto *box = qobject_cast<const QCheckBox *>(control))
            value = box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
        else if (const auto *number = qobject_cast<const QSpinBox *>(control))
            value = QString::number(number->value());
        else if (const auto *choice = qobject_cast<const QComboBox *>(control))
            value = choice->currentText();
        else
            value = static_cast<const QLineEdit *>(control)->text();
        given << control->objectName() + QLatin1Char('=') + value;
    }
    return given;
}

void SettingsForm::chainFocus(QWidget *before, QWidget *after) const
{
    for (QWidget *control : m_controls) {
        if (before)
            setTabOrder(before, control);
        before = control;
    }
    if (before)
        setTabOrder(before, after);
}
