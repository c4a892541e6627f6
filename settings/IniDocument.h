// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QStringConverter>
#include <optional>

// The text of an ini file, edited as bytes, line by line, with the rules of the Windows profile
// functions, so that files written by hand or by the Windows build read the same:
// - section and key names match without regard to (ASCII) case; only the first of duplicate
//   sections is searched and the first of duplicate keys wins;
// - blanks (spaces and tabs) around keys and values are ignored; one pair of matching outer
//   quotes, double or single, is removed from a value read;
// - a line whose first non-blank character is ";" is a comment; a line without "=" is no key;
// - lines may end in CRLF, LF or CR.
// A change rewrites only the line it concerns; every other byte stays as it was. New lines end
// in CRLF. Names and values are UTF-8 (or any bytes); a file that starts with a UTF-8 byte-order
// mark keeps it, and one in UTF-16 with its mark is read and written in UTF-16.
class IniDocument
{
public:
    static constexpr qsizetype MaxValueLength = 2047;

    explicit IniDocument(QByteArray bytes = {});

    // The value's text, or nothing when the section or the key is missing.
    std::optional<QByteArray> value(const QByteArray &section, const QByteArray &key) const;
    // Replaces the key's line in place, keeping the key's spelling; a new key goes after the
    // last key line of its section; a missing section is appended at the end of the file.
    void setValue(const QByteArray &section, const QByteArray &key, const QByteArray &value);

    QByteArray bytes() const;
    // True when the file was read as UTF-16 (it began with a UTF-16 byte-order mark and is
    // well-formed UTF-16); a file that only begins like one is kept as bytes.
    bool isUtf16() const { return m_encoding == Encoding::Utf16LE || m_encoding == Encoding::Utf16BE; }

private:
    enum class Encoding { Utf8, Utf8WithBom, Utf16LE, Utf16BE };

    struct Line
    {
        QByteArray text; // without its line break
        QByteArray lineBreak; // "\r\n", "\n", "\r", or empty on a last line without one
    };
    struct SectionRange
    {
        qsizetype header = -1; // index of the section's header line
        qsizetype end = -1; // one past its last line
    };

    // The file's text as UTF-8, with its encoding noted.
    QByteArray decoded(const QByteArray &bytes);
    static QByteArray byteOrderMark(Encoding encoding);
    static QStringConverter::Encoding converterFor(Encoding encoding);
    static QByteArray encoded(const QByteArray &utf8, Encoding encoding);
    static QByteArray trimmed(const QByteArray &text);
    static bool sameName(const QByteArray &a, const QByteArray &b);
    static std::optional<QByteArray> sectionName(const QByteArray &line);
    static bool isComment(const QByteArray &line);
    // The key of a key line, or nothing for any other line.
    static std::optional<QByteArray> keyOf(const QByteArray &line);

    SectionRange findSection(const QByteArray &section) const;
    qsizetype findKey(const SectionRange &range, const QByteArray &key) const;

    QList<Line> m_lines;
    Encoding m_encoding = Encoding::Utf8;
};
