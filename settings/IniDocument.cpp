// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "settings/IniDocument.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
const QByteArray NewLineBreak = QByteArrayLiteral("\r\n");
const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

IniDocument::IniDocument(QByteArray bytes)
{
    const QByteArray text = decoded(bytes);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        qsizetype next = end;
        if (next < text.size() && text[next] == '\r')
            ++next;
        if (next < text.size() && text[next] == '\n' && (next == end || text[end] == '\r'))
            ++next;
        m_lines.append({text.mid(start, end - start), text.mid(end, next - end)});
        start = next;
    }
}

QByteArray IniDocument::decoded(const QByteArray &bytes)
{
    if (bytes.startsWith(Utf8Bom)) {
        m_encoding = Encoding::Utf8WithBom;
        return bytes.mid(Utf8Bom.size());
    }
    for (const Encoding encoding : {Encoding::Utf16LE, Encoding::Utf16BE}) {
        if (!bytes.startsWith(byteOrderMark(encoding)))
            continue;
        QStringDecoder decoder(converterFor(encoding));
        const QString text = decoder(QByteArrayView(bytes).sliced(2));
        // Only a text that comes back byte for byte is taken as UTF-16; anything else stays bytes.
        const QByteArray utf8 = text.toUtf8();
        if (!decoder.hasError() && encoded(utf8, encoding) == bytes) {
            m_encoding = encoding;
            return utf8;
        }
    }
    return bytes;
}

QByteArray IniDocument::byteOrderMark(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return {};
    case Encoding::Utf8WithBom:
        return Utf8Bom;
    case Encoding::Utf16LE:
        return QByteArrayLiteral("\xFF\xFE");
    case Encoding::Utf16BE:
        return QByteArrayLiteral("\xFE\xFF");
    }
    return {};
}

QStringConverter::Encoding IniDocument::converterFor(Encoding encoding)
{
    return encoding == Encoding::Utf16BE ? QStringConverter::Utf16BE : QStringConverter::Utf16LE;
}

QByteArray IniDocument::encoded(const QByteArray &utf8, Encoding encoding)
{
    if (encoding == Encoding::Utf8 || encoding == Encoding::Utf8WithBom)
        return byteOrderMark(encoding) + utf8;
    QStringEncoder encoder(converterFor(encoding));
    return byteOrderMark(encoding) + QByteArray(encoder(QString::fromUtf8(utf8)));
}

QByteArray IniDocument::bytes() const
{
    QByteArray all;
    for (const Line &line : m_lines)
        all += line.text + line.lineBreak;
    return encoded(all, m_encoding);
}

QByteArray IniDocument::trimmed(const QByteArray &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

bool IniDocument::sameName(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

std::optional<QByteArray> IniDocument::sectionName(const QByteArray &line)
{
    const QByteArray text = trimmed(line);
    if (!text.startsWith('['))
        return std::nullopt;
    const qsizetype close = text.indexOf(']');
    return trimmed(text.mid(1, close < 0 ? -1 : close - 1));
}

bool IniDocument::isComment(const QByteArray &line)
{
    return trimmed(line).startsWith(';');
}

std::optional<QByteArray> IniDocument::keyOf(const QByteArray &line)
{
    const qsizetype equals = line.indexOf('=');
    if (equals < 0 || isComment(line) || sectionName(line))
        return std::nullopt;
    return trimmed(line.left(equals));
}

IniDocument::SectionRange IniDocument::findSection(const QByteArray &section) const
{
    SectionRange range;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const std::optional<QByteArray> name = sectionName(m_lines[i].text);
        if (!name)
            continue;
        if (range.header >= 0) {
            range.end = i;
            return range;
        }
        if (sameName(*name, section))
            range.header = i;
    }
    if (range.header >= 0)
        range.end = m_lines.size();
    return range;
}

qsizetype IniDocument::findKey(const SectionRange &range, const QByteArray &key) const
{
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const std::optional<QByteArray> name = keyOf(m_lines[i].text);
        if (name && sameName(*name, key))
            return i;
    }
    return -1;
}

std::optional<QByteArray> IniDocument::value(const QByteArray &section, const QByteArray &key) const
{
    const SectionRange range = findSection(section);
    if (range.header < 0)
        return std::nullopt;
    const qsizetype line = findKey(range, key);
    if (line < 0)
        return std::nullopt;
    const QByteArray &text = m_lines[line].text;
    QByteArray value = trimmed(text.mid(text.indexOf('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.left(MaxValueLength);
}

void IniDocument::setValue(const QByteArray &section, const QByteArray &key, const QByteArray &value)
{
    const SectionRange range = findSection(section);
    if (range.header < 0) {
        if (!m_lines.isEmpty() && m_lines.back().lineBreak.isEmpty())
            m_lines.back().lineBreak = NewLineBreak;
        m_lines.append({'[' + section + ']', NewLineBreak});
        m_lines.append({key + '=' + value, NewLineBreak});
        return;
    }
    const qsizetype existing = findKey(range, key);
    if (existing >= 0) {
        Line &line = m_lines[existing];
        line.text = *keyOf(line.text) + '=' + value;
        return;
    }
    qsizetype after = range.header;
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        if (keyOf(m_lines[i].text))
            after = i;
    }
    if (m_lines[after].lineBreak.isEmpty())
        m_lines[after].lineBreak = NewLineBreak;
    m_lines.insert(after + 1, {key + '=' + value, NewLineBreak});
}
