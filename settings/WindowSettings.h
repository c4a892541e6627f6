// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "settings/IniFile.h"

#include <QHash>
#include <QStringList>
#include <optional>
#include <utility>

class WindowSettingsHost;

// The main window's settings component: it keeps the window's position, a few control
// properties and a list of named values in one section of an ini file, restores them when the
// window is created and first shown, and saves them when it closes.
//
// Another instance of the program may have written the file meanwhile: a key whose value this
// run did not change keeps the value the file holds when it is written, so only this run's own
// changes land (a key the file has lost meanwhile is written again). Such a value is written back byte for byte as it
// was read, even where its bytes are no UTF-8.
class WindowSettings
{
public:
    static constexpr int Version = 0;

    // Stored properties are "Component.Property" names; stored values have names and design
    // contents. `section` is the ini section they are kept in (the stored texts name it).
    WindowSettings(WindowSettingsHost &host, QString section, QStringList storedProperties,
        QList<std::pair<QString, QString>> storedValues);

    QString iniFileName() const { return m_ini.path(); }
    void setIniFileName(const QString &path) { m_ini.setPath(path); }
    // The passes of a start, from the first to the last, read the file once (see IniFile).
    void beginStart() { m_ini.holdBetweenPasses(true); }
    void endStart() { m_ini.holdBetweenPasses(false); }

    void restorePass();
    // Writes the position, the stored properties and the values (the values first) in one
    // replacement of the file. Throws AppError when the file cannot be written.
    void saveOnClose();
    // The same without the values written first, and with the window's visibility as given.
    void savePass(bool destroying = false);
    bool savedSinceRestore() const { return m_saved; }

    // The named values, as text. Reading them again from the file keeps the current content as
    // the default.
    QString value(const QString &name) const;
    void setValue(const QString &name, int value);
    void reloadStoredValues();

    // Values of the program's own, in a section of their own, never in the stored section. One
    // still at its default and not in the file is not written: a file that never had it keeps
    // its bytes. Read with the stored values, written with every save.
    void addOwnValue(const QString &section, const QString &key, const QString &defaultText);
    QString ownValue(const QString &key) const;
    void setOwnValue(const QString &key, const QString &text);

    // "MinMaxPos" + "(1024x768)" for a 1024 by 768 screen.
    QString screenSuffix() const;

private:
    static QString propertyKey(const QString &name);
    static QList<int> positionWords(const QString &text, const QList<int> &defaults);
    static QString positionText(int a, int b, int c, int d);
    QString readPosition(const QString &key) const;
    void restorePlacement();
    void updateMaximisedPosition();
    void restoreProperties();

    struct Entry
    {
        QString key;
        QString text;
    };
    // What a save writes, in its order: position and visibility, properties, values.
    QList<Entry> entriesToSave(bool destroying) const;
    QList<Entry> valueEntries() const;
    // Inside a pass: what a save would write now and what the file holds for it.
    void rememberStart();
    void writeEntries(const QList<Entry> &entries);
    // One read and one replacement of the file; throws AppError when it cannot be written.
    void writeInOnePass(const QList<Entry> &entries);
    void writeUnlessOthersChanged(const Entry &entry);
    void writeOwnValues();

    WindowSettingsHost &m_host;
    IniFile m_ini;
    QString m_section;
    QStringList m_storedProperties;
    QList<std::pair<QString, QString>> m_values;
    struct OwnValue
    {
        QString section;
        QString key;
        QString defaultText;
        QString text;
        bool inFile = false;
    };
    QList<OwnValue> m_ownValues;
    bool m_restored = false;
    bool m_saved = false;
    QHash<QString, QString> m_startTexts;
    QHash<QString, std::optional<QByteArray>> m_startBytes;
};
