// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "settings/IniFile.h"

#include "common/AppError.h"
#include "common/DecimalText.h"
#include "common/ProgramTexts.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

IniFile::IniFile(const QString &path)
    : m_path(path)
{
}

void IniFile::setPath(const QString &path)
{
    Q_ASSERT(!m_inPass);
    m_path = path;
}

IniDocument IniFile::load() const
{
    if (m_inPass)
        return m_passDocument;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return IniDocument();
    return IniDocument(file.readAll());
}

void IniFile::cannotWrite() const
{
    throw AppError(QString::fromUtf8(Texts::UnableToWrite).arg(m_path));
}

void IniFile::store(const IniDocument &document)
{
    QFileInfo info(m_path);
    // Through a link, the target is what gets replaced; the link stays.
    const QString target = info.isSymLink() ? info.symLinkTarget() : m_path;
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && (!targetInfo.isFile() || !targetInfo.isWritable()))
        cannotWrite(); // never replace what the user may not write
    QSaveFile file(target);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        cannotWrite();
    const QByteArray bytes = document.bytes();
    if (file.write(bytes) != bytes.size() || !file.commit())
        cannotWrite();
}

QString IniFile::readString(const QString &section, const QString &key, const QString &fallback) const
{
    const std::optional<QByteArray> value = load().value(section.toUtf8(), key.toUtf8());
    return value ? QString::fromUtf8(*value) : fallback;
}

std::optional<int> IniFile::parseInteger(const QString &text)
{
    if (text.size() > 2 && (text.startsWith(QLatin1String("0x")) || text.startsWith(QLatin1String("0X")))) {
        bool ok = false;
        const qlonglong value = text.mid(2).toLongLong(&ok, 16);
        if (ok && text.mid(2).startsWith(QLatin1Char('-')))
            ok = false;
        if (ok && value <= 0xFFFFFFFFLL)
            return static_cast<int>(static_cast<std::uint32_t>(value)); // as the 32-bit pattern reads
        return std::nullopt;
    }
    return DecimalText::parse(text);
}

int IniFile::readInteger(const QString &section, const QString &key, int fallback) const
{
    return parseInteger(readString(section, key, QString())).value_or(fallback);
}

void IniFile::writeString(const QString &section, const QString &key, const QString &text)
{
    QString written = text;
    const bool quoted = text.size() >= 2 && (text.front() == QLatin1Char('"') || text.front() == QLatin1Char('\''))
        && text.back() == text.front();
    if (quoted)
        written = QLatin1Char('"') + text + QLatin1Char('"');
    if (m_inPass) {
        m_passDocument.setValue(section.toUtf8(), key.toUtf8(), written.toUtf8());
        m_passChanged = true;
        return;
    }
    IniDocument document = load();
    document.setValue(section.toUtf8(), key.toUtf8(), written.toUtf8());
    store(document);
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::beginPass()
{
    Q_ASSERT(!m_inPass);
    m_passDocument = load();
    m_passChanged = false;
    m_inPass = true;
}

void IniFile::endPass()
{
    Q_ASSERT(m_inPass);
    m_inPass = false;
    if (m_passChanged)
        store(m_passDocument);
    m_passDocument = IniDocument();
}

void IniFile::abandonPass()
{
    m_inPass = false;
    m_passDocument = IniDocument();
}
