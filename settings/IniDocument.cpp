// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "settings/IniDocument.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cstring>

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
    m_text = decoded(bytes); // notes the encoding, so not among the initialisers
    // Where every "\r" comes before a "\n" (or none is there), a line ends at the next "\n".
    // One branch-free sweep: it runs at memory speed on a file of any size.
    const auto *text = reinterpret_cast<const unsigned char *>(m_text.constData());
    const qsizetype last = m_text.size() - 1;
    bool lone = last >= 0 && text[last] == '\r';
    for (qsizetype at = 0; at < last; ++at)
        lone |= (text[at] == '\r') & (text[at + 1] != '\n');
    m_loneCarriageReturns = lone;
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
    if (encoding == Encoding::Utf8)
        return utf8; // shared, not copied: a large file is not held twice
    if (encoding == Encoding::Utf8WithBom)
        return byteOrderMark(encoding) + utf8;
    QStringEncoder encoder(converterFor(encoding));
    return byteOrderMark(encoding) + QByteArray(encoder(QString::fromUtf8(utf8)));
}

QByteArray IniDocument::bytes() const
{
    return encoded(m_text, m_encoding);
}

qsizetype IniDocument::lineEnd(qsizetype start) const
{
    const char *begin = m_text.constData() + start;
    const auto length = static_cast<std::size_t>(m_text.size() - start);
    const auto *newline = static_cast<const char *>(std::memchr(begin, '\n', length));
    const std::size_t upTo = newline ? static_cast<std::size_t>(newline - begin) : length;
    if (!m_loneCarriageReturns) // "\r" only in "\r\n": the line ends before it
        return start + static_cast<qsizetype>(upTo > 0 && begin[upTo - 1] == '\r' && newline ? upTo - 1 : upTo);
    const auto *carriageReturn = static_cast<const char *>(std::memchr(begin, '\r', upTo));
    return start + static_cast<qsizetype>(carriageReturn ? carriageReturn - begin : upTo);
}

qsizetype IniDocument::nextLine(qsizetype start) const
{
    return breakEnd(lineEnd(start));
}

qsizetype IniDocument::breakEnd(qsizetype end) const
{
    if (end == m_text.size())
        return end;
    // "\r\n" is one break, and so is a "\r" or a "\n" alone ("\n\r" is two).
    if (m_text[end] == '\r' && end + 1 < m_text.size() && m_text[end + 1] == '\n')
        return end + 2;
    return end + 1;
}

QByteArrayView IniDocument::lineText(qsizetype start) const
{
    return QByteArrayView(m_text).sliced(start, lineEnd(start) - start);
}

QByteArrayView IniDocument::trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

bool IniDocument::sameName(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

std::optional<QByteArrayView> IniDocument::sectionName(QByteArrayView line)
{
    const QByteArrayView text = trimmed(line);
    if (!text.startsWith('['))
        return std::nullopt;
    const qsizetype close = text.indexOf(']');
    return trimmed(close < 0 ? text.sliced(1) : text.sliced(1, close - 1));
}

std::optional<QByteArrayView> IniDocument::keyOf(QByteArrayView line)
{
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    const QByteArrayView text = trimmed(line);
    if (text.startsWith(';') || text.startsWith('['))
        return std::nullopt; // a comment, or a section's header
    return trimmed(line.first(equals));
}

IniDocument::SectionMemo &IniDocument::sectionMemo(const QByteArray &section) const
{
    if (m_memo && sameName(m_memo->name, section))
        return *m_memo;
    SectionMemo memo;
    memo.name = section;
    const QByteArrayView text(m_text);
    qsizetype start = 0;
    for (qsizetype end = 0; start < m_text.size(); start = breakEnd(end)) {
        end = lineEnd(start);
        if (memo.header < 0) {
            const std::optional<QByteArrayView> name = sectionName(text.sliced(start, end - start));
            if (name && sameName(*name, section)) {
                memo.header = start;
                memo.body = breakEnd(end);
            }
        } else if (sectionName(text.sliced(start, end - start))) {
            break;
        }
    }
    memo.end = memo.header < 0 ? -1 : start;
    m_memo = std::move(memo);
    return *m_memo;
}

qsizetype IniDocument::findKey(SectionMemo &memo, const QByteArray &key) const
{
    QByteArray lower = key;
    for (char &c : lower)
        c = asciiLower(c);
    if (const auto known = memo.keys.constFind(lower); known != memo.keys.constEnd())
        return *known;
    // Most lines are told apart by their first character: only those that could name the key
    // are read as key lines.
    const char first = lower.isEmpty() ? '=' : lower.front();
    const QByteArrayView text(m_text);
    qsizetype found = -1;
    for (qsizetype start = memo.body, end = 0; start < memo.end; start = breakEnd(end)) {
        end = lineEnd(start);
        qsizetype at = start;
        while (at < end && isBlank(text[at]))
            ++at;
        if (at == end || asciiLower(text[at]) != first)
            continue;
        const std::optional<QByteArrayView> name = keyOf(text.sliced(start, end - start));
        if (name && sameName(*name, key)) {
            found = start;
            break;
        }
    }
    memo.keys.insert(lower, found);
    return found;
}

qsizetype IniDocument::lastKeyLine(SectionMemo &memo) const
{
    if (memo.lastKeyLine == -2) {
        memo.lastKeyLine = -1;
        const QByteArrayView text(m_text);
        for (qsizetype start = memo.body, end = 0; start < memo.end; start = breakEnd(end)) {
            end = lineEnd(start);
            if (keyOf(text.sliced(start, end - start)))
                memo.lastKeyLine = start;
        }
    }
    return memo.lastKeyLine;
}

std::optional<QByteArray> IniDocument::value(const QByteArray &section, const QByteArray &key) const
{
    SectionMemo &memo = sectionMemo(section);
    if (memo.header < 0)
        return std::nullopt;
    const qsizetype line = findKey(memo, key);
    if (line < 0)
        return std::nullopt;
    const QByteArrayView text = lineText(line);
    QByteArrayView value = trimmed(text.sliced(text.indexOf('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return value.first(std::min(value.size(), MaxValueLength)).toByteArray();
}

void IniDocument::splice(qsizetype at, qsizetype removed, const QByteArray &inserted)
{
    m_text.replace(at, removed, inserted);
    if (!m_memo || m_memo->header < 0)
        return;
    const qsizetype shift = inserted.size() - removed;
    for (qsizetype &start : m_memo->keys) {
        if (start > at)
            start += shift;
    }
    if (m_memo->lastKeyLine > at)
        m_memo->lastKeyLine += shift;
    if (m_memo->body > at)
        m_memo->body += shift;
    if (m_memo->end >= at)
        m_memo->end += shift;
}

void IniDocument::setValue(const QByteArray &section, const QByteArray &key, const QByteArray &value)
{
    // A "\r" of a name or a value of its own: lines are found the careful way from now on.
    if (section.contains('\r') || key.contains('\r') || value.contains('\r'))
        m_loneCarriageReturns = true;
    SectionMemo &memo = sectionMemo(section);
    if (memo.header < 0) {
        QByteArray appended;
        if (!m_text.isEmpty() && m_text.back() != '\n' && m_text.back() != '\r')
            appended += NewLineBreak;
        appended += '[' + section + ']' + NewLineBreak + key + '=' + value + NewLineBreak;
        m_text += appended;
        m_memo.reset(); // found again, now at the end
        return;
    }
    if (const qsizetype existing = findKey(memo, key); existing >= 0) {
        const QByteArray line = keyOf(lineText(existing))->toByteArray() + '=' + value;
        splice(existing, lineEnd(existing) - existing, line);
        return;
    }
    const qsizetype lastKey = lastKeyLine(memo);
    const qsizetype after = lastKey >= 0 ? lastKey : memo.header;
    const qsizetype afterEnd = lineEnd(after);
    const bool lastLineUnbroken = afterEnd == m_text.size();
    const qsizetype at = lastLineUnbroken ? afterEnd : breakEnd(afterEnd);
    const QByteArray line = key + '=' + value + NewLineBreak;
    splice(at, 0, lastLineUnbroken ? NewLineBreak + line : line);
    const qsizetype start = lastLineUnbroken ? at + NewLineBreak.size() : at;
    QByteArray lower = key;
    for (char &c : lower)
        c = asciiLower(c);
    m_memo->keys.insert(lower, start);
    m_memo->lastKeyLine = start;
}
