// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/NamedSettings.h"

#include "common/AppError.h"
#include "common/DecimalText.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
} // namespace

QStringList Setting::choiceList() const
{
    return choices ? QString::fromLatin1(choices).split(QLatin1Char('|')) : QStringList();
}

QString kindsText(const QList<SettingsKind> &kinds, const char *context)
{
    QStringList parts;
    for (const SettingsKind &kind : kinds) {
        const QString settings = NamedSettings::defaultsText(kind.settings);
        parts << QStringLiteral("%1%2 (%3)")
                     .arg(QString::fromLatin1(kind.name), settings.isEmpty() ? QString() : QLatin1Char(' ') + settings,
                         QCoreApplication::translate(context, kind.what));
    }
    return parts.join(QStringLiteral("; "));
}

const SettingsKind &kindNamed(const QList<SettingsKind> &kinds, const QString &name, const QString &what)
{
    QStringList names;
    for (const SettingsKind &kind : kinds) {
        if (name == QLatin1String(kind.name))
            return kind;
        names << QString::fromLatin1(kind.name);
    }
    throw AppError(
        NamedSettings::tr("\"%1\" is no kind of %2: one of %3.").arg(name, what, names.join(QStringLiteral(", "))));
}

NamedSettings::NamedSettings(const char *owner, const QList<Setting> &table, const QStringList &given, int leds)
    : m_table(table)
    , m_leds(leds)
{
    for (const Setting &setting : table)
        m_values.insert(QString::fromLatin1(setting.name), QString::fromUtf8(setting.defaultValue));
    QStringList names;
    for (const Setting &setting : table)
        names << QString::fromLatin1(setting.name);
    QStringList seen;
    for (const QString &setting : given) {
        const qsizetype equals = setting.indexOf(QLatin1Char('='));
        const QString name = setting.left(equals);
        if (equals < 0 || !names.contains(name) || seen.contains(name)) {
            if (table.isEmpty())
                throw AppError(
                    NamedSettings::tr("\"%1\": %2 takes no settings.").arg(setting, QString::fromLatin1(owner)));
            throw AppError(NamedSettings::tr("\"%1\": %2 takes %3, each once as NAME=VALUE.")
                               .arg(setting, QString::fromLatin1(owner), names.join(QStringLiteral(", "))));
        }
        seen << name;
        m_values[name] = setting.mid(equals + 1);
    }
}

const Setting &NamedSettings::find(const char *name) const
{
    const auto found = std::find_if(
        m_table.begin(), m_table.end(), [name](const Setting &setting) { return qstrcmp(setting.name, name) == 0; });
    Q_ASSERT(found != m_table.end());
    return *found;
}

int NamedSettings::number(const char *name) const
{
    const Setting &setting = find(name);
    const int most = setting.most == Setting::StringLeds ? m_leds : setting.most;
    const QString text = m_values.value(QString::fromLatin1(name));
    const std::optional<std::int32_t> value = DecimalText::parse(text);
    if (!value || *value < setting.least || *value > most) {
        throw AppError(NamedSettings::tr("%1=%2: a whole number from %3 to %4 is needed.")
                           .arg(QString::fromLatin1(name), text)
                           .arg(setting.least)
                           .arg(most));
    }
    return *value;
}

QString NamedSettings::choice(const char *name) const
{
    const QStringList choices = find(name).choiceList();
    const QString text = m_values.value(QString::fromLatin1(name));
    if (!choices.contains(text))
        throw AppError(NamedSettings::tr("%1=%2: one of %3 is needed.")
                           .arg(QString::fromLatin1(name), text, choices.join(QStringLiteral(", "))));
    return text;
}

QString NamedSettings::defaultsText(const QList<Setting> &table)
{
    QStringList settings;
    for (const Setting &setting : table)
        settings << QStringLiteral("%1=%2").arg(
            QString::fromLatin1(setting.name), QString::fromUtf8(setting.defaultValue));
    return settings.join(QLatin1Char(' '));
}
