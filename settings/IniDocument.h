// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QHash>
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
// The text is kept whole, as one array, and lines are found where they are needed: a file of any
// size is read in linear time, held once, and a change replaces its line's bytes in place.
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

    // What is known of the section last asked for: its first header line's start (-1: there is
    // none), its first line after the header, one past its last line; where each key asked for
    // so far starts (-1: missing), by its lower-case name; its last key line (-2: not yet known).
    struct SectionMemo
    {
        QByteArray name;
        qsizetype header = -1;
        qsizetype body = -1;
        qsizetype end = -1;
        QHash<QByteArray, qsizetype> keys;
        qsizetype lastKeyLine = -2;
    };

    // The file's text as UTF-8, with its encoding noted.
    QByteArray decoded(const QByteArray &bytes);
    static QByteArray byteOrderMark(Encoding encoding);
    static QStringConverter::Encoding converterFor(Encoding encoding);
    static QByteArray encoded(const QByteArray &utf8, Encoding encoding);

    // The line starting at `start`: where its text ends (its break excluded), and where the next
    // line starts.
    qsizetype lineEnd(qsizetype start) const;
    qsizetype nextLine(qsizetype start) const;
    // Where the next line starts, for a line whose text ends at `end`.
    qsizetype breakEnd(qsizetype end) const;
    QByteArrayView lineText(qsizetype start) const;
    static QByteArrayView trimmed(QByteArrayView text);
    static bool sameName(QByteArrayView a, QByteArrayView b);
    static std::optional<QByteArrayView> sectionName(QByteArrayView line);
    // The key of a key line, or nothing for any other line.
    static std::optional<QByteArrayView> keyOf(QByteArrayView line);

    SectionMemo &sectionMemo(const QByteArray &section) const;
    // The first key line of the section with this key, or -1.
    qsizetype findKey(SectionMemo &memo, const QByteArray &key) const;
    qsizetype lastKeyLine(SectionMemo &memo) const;
    // Replaces `removed` bytes at `at` and moves what is known of the lines after them.
    void splice(qsizetype at, qsizetype removed, const QByteArray &inserted);

    QByteArray m_text;
    Encoding m_encoding = Encoding::Utf8;
    bool m_loneCarriageReturns = false; // some "\r" ends a line by itself: lines end at either
    mutable std::optional<SectionMemo> m_memo;
};
