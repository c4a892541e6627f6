// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "settings/IniFile.h"

#include "common/AppError.h"
#include "common/DecimalText.h"
#include "common/FileReplacer.h"
#include "common/ProgramTexts.h"
#include "common/RegularFile.h"

#include <QFileInfo>

IniFile::IniFile(const QString &path)
    : m_path(path)
{
}

void IniFile::setPath(const QString &path)
{
    Q_ASSERT(!m_inPass);
    m_path = path;
    m_held.reset();
}

IniDocument IniFile::load() const
{
    if (m_inPass)
        return m_passDocument;
    // A file that cannot be read counts as empty: every value takes its default.
    return IniDocument(RegularFile::readHead(m_path).value_or(QByteArray()));
}

void IniFile::cannotWrite() const
{
    throw AppError(Texts::shown(Texts::UnableToWrite).arg(m_path));
}

void IniFile::store(const IniDocument &document)
{
    QFileInfo info(m_path);
    // Through a link, the target is what gets replaced; the link stays.
    const QString target = info.isSymLink() ? info.symLinkTarget() : m_path;
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && (!targetInfo.isFile() || !targetInfo.isWritable()))
        cannotWrite(); // never replace what the user may not write
    if (!FileReplacer::replace(target, document.bytes()))
        cannotWrite();
}

QString IniFile::readString(const QString &section, const QString &key, const QString &fallback) const
{
    const std::optional<QByteArray> value = readBytes(section, key);
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
    writeBytes(section, key, text.toUtf8());
}

std::optional<QByteArray> IniFile::readBytes(const QString &section, const QString &key) const
{
    // Within a pass the pass's document answers, its index kept from one read to the next.
    if (m_inPass)
        return m_passDocument.value(section.toUtf8(), key.toUtf8());
    return load().value(section.toUtf8(), key.toUtf8());
}

void IniFile::writeBytes(const QString &section, const QString &key, const QByteArray &value)
{
    QByteArray written = value;
    const bool quoted
        = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    if (quoted)
        written = '"' + value + '"';
    if (m_inPass) {
        m_passDocument.setValue(section.toUtf8(), key.toUtf8(), written);
        m_passChanged = true;
        return;
    }
    IniDocument document = load();
    document.setValue(section.toUtf8(), key.toUtf8(), written);
    store(document);
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::beginPass()
{
    Q_ASSERT(!m_inPass);
    std::optional<std::pair<FileStamp, IniDocument>> held = std::exchange(m_held, std::nullopt);
    // Noted before the read: a change made while it reads shows as another file next time.
    m_passStamp = FileStamp::of(m_path);
    if (held && m_passStamp == held->first)
        m_passDocument = std::move(held->second); // the file has not changed since
    else
        m_passDocument = load();
    m_passChanged = false;
    m_inPass = true;
}

void IniFile::endPass()
{
    Q_ASSERT(m_inPass);
    m_inPass = false;
    if (m_passChanged) {
        try {
            store(m_passDocument);
        } catch (...) {
            m_passDocument = IniDocument();
            throw;
        }
    }
    keepAfterPass(m_passChanged ? FileStamp::of(m_path) : m_passStamp);
}

void IniFile::abandonPass()
{
    m_inPass = false;
    // Changes the pass made are not in the file: the file is read anew next time.
    keepAfterPass(m_passChanged ? std::nullopt : m_passStamp);
}

void IniFile::keepAfterPass(std::optional<FileStamp> stamp)
{
    if (m_holdBetweenPasses && stamp)
        m_held.emplace(*stamp, std::move(m_passDocument));
    m_passDocument = IniDocument();
}

void IniFile::holdBetweenPasses(bool hold)
{
    m_holdBetweenPasses = hold;
    if (!hold)
        m_held.reset();
}
