// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>

#include <QHash>
#include <QList>
#include <QStringList>

// A setting of a generator or an import: what --set NAME=VALUE and a dialog's control give. It
// takes a whole number from `least` to `most` (StringLeds: the string's length), one of
// `choices` ("a|b|c"), or, with neither, any text.
struct Setting
{
    static constexpr int StringLeds = -1;
    const char *name;
    const char *caption; // translated in the context of the table that holds it
    const char *defaultValue;
    int least = 0;
    int most = 0;
    const char *choices = nullptr;

    bool isNumber() const { return least != most; }
    bool isSwitch() const { return least == 0 && most == 1; } // 0 or 1: off or on
    QStringList choiceList() const;
};

// A kind of work that takes settings: a generator, an export.
struct SettingsKind
{
    const char *name;
    const char *what; // translated in the context of the table that holds it
    QList<Setting> settings;
};

// "chase width=1 tail=0 (what it is); …" for help texts; `context` translates what each is.
QString kindsText(const QList<SettingsKind> &kinds, const char *context);
// The kind named `name`; throws AppError naming the kinds there are ("is no kind of `what`").
const SettingsKind &kindNamed(const QList<SettingsKind> &kinds, const QString &name, const QString &what);

// Settings given as NAME=VALUE, checked against a table: each name known and given once, each
// value read within its range. Nothing is guessed: anything else throws AppError naming it.
class NamedSettings
{
    Q_DECLARE_TR_FUNCTIONS(NamedSettings)

public:
    // `owner` names what takes the settings in messages ("chase"); `leds` is the string's length.
    NamedSettings(const char *owner, const QList<Setting> &table, const QStringList &given, int leds);

    int number(const char *name) const;
    QString choice(const char *name) const;
    QString text(const char *name) const { return m_values.value(QString::fromLatin1(name)); }

    // "width=1 tail=0": the table's defaults, for help texts.
    static QString defaultsText(const QList<Setting> &table);

private:
    const Setting &find(const char *name) const;

    const QList<Setting> &m_table;
    int m_leds;
    QHash<QString, QString> m_values;
};
