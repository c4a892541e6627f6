// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "settings/IniDocument.h"

namespace {
const QByteArray NewLineBreak = QByteArrayLiteral("\r\n");

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
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        qsizetype next = end;
        if (next < bytes.size() && bytes[next] == '\r')
            ++next;
        if (next < bytes.size() && bytes[next] == '\n' && (next == end || bytes[end] == '\r'))
            ++next;
        m_lines.append({bytes.mid(start, end - start), bytes.mid(end, next - end)});
        start = next;
    }
}

QByteArray IniDocument::bytes() const
{
    QByteArray all;
    for (const Line &line : m_lines)
        all += line.text + line.lineBreak;
    return all;
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
