// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "common/FileStamp.h"
#include "settings/IniDocument.h"

#include <QString>
#include <optional>
#include <utility>

// Text access to one ini file, as the Windows profile functions give it. Text is UTF-8 (the
// system's 8-bit code page here). Each read and write opens and closes the file by itself,
// except inside a pass, which reads the file once and writes it back once at its end.
//
// A write replaces the file whole, so that a crash, a kill or a full disk never leaves it half
// written (see FileReplacer). Writes go through a symbolic link to its target. A file that
// cannot be written raises AppError "Unable to write to <path>"; a file that is no regular file
// is neither read (it counts as empty) nor replaced.
class IniFile
{
public:
    explicit IniFile(const QString &path = {});

    QString path() const { return m_path; }
    void setPath(const QString &path);

    // The value's text, or `fallback` when the key or the file is missing. A key present with
    // nothing after "=" reads as empty text.
    QString readString(const QString &section, const QString &key, const QString &fallback) const;
    // Decimal, or hexadecimal after "0x"; any other text gives `fallback`.
    int readInteger(const QString &section, const QString &key, int fallback) const;
    // A text that begins and ends with the same quote is wrapped in one more pair of double
    // quotes, so that reading gives it back unchanged.
    void writeString(const QString &section, const QString &key, const QString &text);
    void writeInteger(const QString &section, const QString &key, int value);
    // The value as the file holds it (quotes and blanks removed), or nothing when it is missing.
    std::optional<QByteArray> readBytes(const QString &section, const QString &key) const;
    // Writes bytes as they are, with the quoting of writeString.
    void writeBytes(const QString &section, const QString &key, const QByteArray &value);

    void beginPass();
    // Writes the changes of the pass, if any. Throws like a write.
    void endPass();
    // Leaves a pass without writing (after a failure).
    void abandonPass();
    // While held, the file as the last pass left it stays in memory, and the next pass reads it
    // from there when the file on disk is still the same one, unchanged: a start's several
    // passes read a large file once. Releasing frees it.
    void holdBetweenPasses(bool hold);

    static std::optional<int> parseInteger(const QString &text);

private:
    IniDocument load() const;
    void store(const IniDocument &document);
    [[noreturn]] void cannotWrite() const;

    // The document the pass ends with, kept when held and its file known.
    void keepAfterPass(std::optional<FileStamp> stamp);

    QString m_path;
    bool m_holdBetweenPasses = false;
    std::optional<std::pair<FileStamp, IniDocument>> m_held;
    bool m_inPass = false;
    std::optional<FileStamp> m_passStamp; // the file as the pass found it
    bool m_passChanged = false;
    IniDocument m_passDocument;
};
