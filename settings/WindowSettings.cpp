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
    updateMaximisedPosition();
    rememberStart();
    m_ini.abandonPass(); // nothing was written
}

QList<WindowSettings::Entry> WindowSettings::entriesToSave(bool destroying) const
{
    WindowPlacement placement = m_host.placement();
    if (m_host.isProgramMinimised())
        placement.showCmd = WindowPlacement::ShownMinimised;
    const QRect &r = placement.normal;
    const QString minMax = positionText(
        placement.minPosition.x(), placement.minPosition.y(), placement.maxPosition.x(), placement.maxPosition.y());
    const QString normal = positionText(r.x(), r.y(), r.x() + r.width(), r.y() + r.height());
    QList<Entry> entries {
        {FormVersionKey, QString::number(Version)},
        {FlagsKey, QString::number(placement.flags)},
        {ShowCmdKey, QString::number(placement.showCmd)},
        {PixelsPerInchKey, QString::number(m_host.pixelsPerInch())},
        {MinMaxPosKey + screenSuffix(), minMax},
        {MinMaxPosKey, minMax},
        {NormPosKey + screenSuffix(), normal},
        {NormPosKey, normal},
        {VisibleKey, destroying ? QStringLiteral("1") : QStringLiteral("0")},
    };
    for (const QString &name : std::as_const(m_storedProperties)) {
        const std::optional<QVariant> current = m_host.storedProperty(name);
        if (!current)
            continue;
        const QString text = stripped(current->toString());
        if (text.isEmpty() && current->typeId() != QMetaType::QString)
            continue;
        entries.append({propertyKey(name), text});
    }
    return entries + valueEntries();
}

QList<WindowSettings::Entry> WindowSettings::valueEntries() const
{
    QList<Entry> entries;
    for (const auto &[name, content] : m_values)
        entries.append({name, content});
    return entries;
}

void WindowSettings::rememberStart()
{
    m_startTexts.clear();
    m_startBytes.clear();
    for (const Entry &entry : entriesToSave(false)) {
        m_startTexts.insert(entry.key, entry.text);
        m_startBytes.insert(entry.key, m_ini.readBytes(m_section, entry.key));
    }
}

void WindowSettings::writeUnlessOthersChanged(const Entry &entry)
{
    const auto start = m_startTexts.constFind(entry.key);
    if (start != m_startTexts.cend() && *start == entry.text) {
        const std::optional<QByteArray> startBytes = m_startBytes.value(entry.key);
        const std::optional<QByteArray> nowBytes = m_ini.readBytes(m_section, entry.key);
        if (nowBytes && nowBytes != startBytes)
            return; // changed by someone else since, and not by this run: theirs stays
        if (startBytes && QString::fromUtf8(*startBytes) == entry.text) {
            m_ini.writeBytes(m_section, entry.key, *startBytes); // what was read, byte for byte
            return;
        }
    }
    m_ini.writeString(m_section, entry.key, entry.text);
}

void WindowSettings::writeEntries(const QList<Entry> &entries)
{
    for (const Entry &entry : entries)
        writeUnlessOthersChanged(entry);
}

void WindowSettings::addOwnValue(const QString &section, const QString &key, const QString &defaultText)
{
    m_ownValues.append({section, key, defaultText, defaultText});
}

QString WindowSettings::ownValue(const QString &key) const
{
    for (const OwnValue &value : m_ownValues) {
        if (value.key == key)
            return value.text;
    }
    return {};
}

void WindowSettings::setOwnValue(const QString &key, const QString &text)
{
    for (OwnValue &value : m_ownValues) {
        if (value.key == key)
            value.text = text;
    }
}

void WindowSettings::writeOwnValues()
{
    for (OwnValue &value : m_ownValues) {
        if (value.inFile || value.text != value.defaultText) {
            m_ini.writeString(value.section, value.key, value.text);
            value.inFile = true;
        }
    }
}

void WindowSettings::writeInOnePass(const QList<Entry> &entries)
{
    m_ini.beginPass();
    try {
        writeEntries(entries);
        writeOwnValues();
        m_ini.endPass();
    } catch (...) {
        m_ini.abandonPass();
        throw;
    }
}

void WindowSettings::savePass(bool destroying)
{
    if (!m_restored)
        return;
    writeInOnePass(entriesToSave(destroying));
    m_saved = true;
}

void WindowSettings::saveOnClose()
{
    // Both steps in one replacement of the file: the values, then all again after the position.
    writeInOnePass(m_restored ? valueEntries() + entriesToSave(false) : valueEntries());
    m_saved = m_restored;
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
    for (OwnValue &value : m_ownValues) {
        const std::optional<QByteArray> stored = m_ini.readBytes(value.section, value.key);
        value.inFile = stored.has_value();
        value.text = stored ? QString::fromUtf8(*stored) : value.defaultText;
    }
    rememberStart();
    m_ini.abandonPass();
}
