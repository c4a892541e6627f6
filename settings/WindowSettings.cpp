// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "settings/WindowSettings.h"

#include "common/ProgramTexts.h"
#include "settings/WindowSettingsHost.h"

namespace {
const QString FormVersionKey = QString::fromUtf8(Texts::FormVersionKey);
const QString FlagsKey = QString::fromUtf8(Texts::FlagsKey);
const QString ShowCmdKey = QString::fromUtf8(Texts::ShowCmdKey);
const QString PixelsPerInchKey = QString::fromUtf8(Texts::PixelsPerInchKey);
const QString MinMaxPosKey = QString::fromUtf8(Texts::MinMaxPosKey);
const QString NormPosKey = QString::fromUtf8(Texts::NormPosKey);
const QString VisibleKey = QString::fromUtf8(Texts::VisibleKey);

// Surrounding blanks and control characters, as a stored property's text loses them.
QString stripped(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] <= QLatin1Char(' '))
        ++begin;
    while (end > begin && text[end - 1] <= QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}
} // namespace

WindowSettings::WindowSettings(WindowSettingsHost &host, QString section, QStringList storedProperties,
    QList<std::pair<QString, QString>> storedValues)
    : m_host(host)
    , m_section(std::move(section))
    , m_storedProperties(std::move(storedProperties))
    , m_values(std::move(storedValues))
{
}

QString WindowSettings::screenSuffix() const
{
    const QSize screen = m_host.screenSize();
    return QStringLiteral("(%1x%2)").arg(screen.width()).arg(screen.height());
}

QString WindowSettings::propertyKey(const QString &name)
{
    return QString(name).replace(QLatin1Char('.'), QLatin1Char('_'));
}

QString WindowSettings::positionText(int a, int b, int c, int d)
{
    return QStringLiteral("%1,%2,%3,%4").arg(a).arg(b).arg(c).arg(d);
}

QList<int> WindowSettings::positionWords(const QString &text, const QList<int> &defaults)
{
    // Words between commas and blanks; a run of separators counts as one.
    QStringList words;
    QString word;
    for (const QChar c : text + QLatin1Char(' ')) {
        if (c != QLatin1Char(',') && c != QLatin1Char(' ')) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    QList<int> values = defaults;
    for (qsizetype i = 0; i < values.size() && i < words.size(); ++i)
        values[i] = IniFile::parseInteger(words[i]).value_or(defaults[i]);
    return values;
}

QString WindowSettings::readPosition(const QString &key) const
{
    const QString suffixed = m_ini.readString(m_section, key + screenSuffix(), QString());
    return suffixed.isEmpty() ? m_ini.readString(m_section, key, QString()) : suffixed;
}

void WindowSettings::restorePlacement()
{
    WindowPlacement placement = m_host.placement();
    placement.flags = m_ini.readInteger(m_section, FlagsKey, placement.flags);
    bool found = false;
    const QString minMax = readPosition(MinMaxPosKey);
    if (!minMax.isEmpty()) {
        const QList<int> words = positionWords(minMax, {0, 0, 0, 0});
        placement.minPosition = {words[0], words[1]};
        placement.maxPosition = {words[2], words[3]};
        found = true;
    }
    const QString normal = readPosition(NormPosKey);
    if (!normal.isEmpty()) {
        const QRect current = placement.normal;
        const QList<int> words = positionWords(
            normal, {current.x(), current.y(), current.x() + current.width(), current.y() + current.height()});
        // A fixed border: only the corner is taken, the size stays.
        placement.normal.moveTopLeft({words[0], words[1]});
        found = true;
    }
    if (!found || m_ini.readInteger(m_section, PixelsPerInchKey, m_host.pixelsPerInch()) != m_host.pixelsPerInch())
        return;
    if (placement.normal.width() > 0)
        m_host.applyPlacement(placement);
}

void WindowSettings::restoreProperties()
{
    for (const QString &name : std::as_const(m_storedProperties)) {
        const std::optional<QVariant> current = m_host.storedProperty(name);
        if (!current)
            continue;
        const bool isInteger = current->typeId() == QMetaType::Int;
        const QString text = stripped(m_ini.readString(m_section, propertyKey(name), current->toString()));
        if (isInteger)
            m_host.setStoredProperty(name, IniFile::parseInteger(text).value_or(0));
        else
            m_host.setStoredProperty(name, text);
    }
}

void WindowSettings::updateMaximisedPosition()
{
    WindowPlacement placement = m_host.placement();
    const QMargins border = m_host.frameMargins();
    placement.maxPosition = {-border.left(), -border.top()};
    m_host.applyPlacement(placement);
}

void WindowSettings::restorePass()
{
    m_saved = false;
    m_ini.beginPass();
    if (m_ini.readInteger(m_section, FormVersionKey, 0) >= Version) {
        restorePlacement();
        m_restored = true;
        restoreProperties();
        for (auto &[name, content] : m_values)
            content = m_ini.readString(m_section, name, content);
    }
    m_restored = true;
    m_ini.abandonPass(); // nothing was written
    updateMaximisedPosition();
}

void WindowSettings::saveProperties()
{
    for (const QString &name : std::as_const(m_storedProperties)) {
        const std::optional<QVariant> current = m_host.storedProperty(name);
        if (!current)
            continue;
        const QString text = stripped(current->toString());
        if (text.isEmpty() && current->typeId() != QMetaType::QString)
            continue;
        m_ini.writeString(m_section, propertyKey(name), text);
    }
}

void WindowSettings::savePass(bool destroying)
{
    if (!m_restored)
        return;
    m_ini.beginPass();
    try {
        m_ini.writeInteger(m_section, FormVersionKey, Version);
        WindowPlacement placement = m_host.placement();
        if (m_host.isProgramMinimised())
            placement.showCmd = 2;
        const QRect &r = placement.normal;
        const QString minMax = positionText(
            placement.minPosition.x(), placement.minPosition.y(), placement.maxPosition.x(), placement.maxPosition.y());
        const QString normal = positionText(r.x(), r.y(), r.x() + r.width(), r.y() + r.height());
        m_ini.writeInteger(m_section, FlagsKey, placement.flags);
        m_ini.writeInteger(m_section, ShowCmdKey, placement.showCmd);
        m_ini.writeInteger(m_section, PixelsPerInchKey, m_host.pixelsPerInch());
        m_ini.writeString(m_section, MinMaxPosKey + screenSuffix(), minMax);
        m_ini.writeString(m_section, MinMaxPosKey, minMax);
        m_ini.writeString(m_section, NormPosKey + screenSuffix(), normal);
        m_ini.writeString(m_section, NormPosKey, normal);
        m_ini.writeString(m_section, VisibleKey, destroying ? QStringLiteral("1") : QStringLiteral("0"));
        saveProperties();
        for (const auto &[name, content] : std::as_const(m_values))
            m_ini.writeString(m_section, name, content);
        m_ini.endPass();
        m_saved = true;
    } catch (...) {
        m_ini.abandonPass();
        throw;
    }
}

QString WindowSettings::value(const QString &name) const
{
    for (const auto &[key, content] : m_values) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return content;
    }
    return {};
}

void WindowSettings::setValue(const QString &name, int value)
{
    for (auto &[key, content] : m_values) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            content = QString::number(value);
    }
}

void WindowSettings::reloadStoredValues()
{
    m_ini.beginPass(); // one read of the file for all of them
    for (auto &[name, content] : m_values)
        content = m_ini.readString(m_section, name, content);
    m_ini.abandonPass();
}

void WindowSettings::saveStoredValues()
{
    m_ini.beginPass();
    try {
        for (const auto &[name, content] : std::as_const(m_values))
            m_ini.writeString(m_section, name, content);
        m_ini.endPass();
    } catch (...) {
        m_ini.abandonPass();
        throw;
    }
}
