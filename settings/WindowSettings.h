// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "settings/IniFile.h"

#include <QStringList>
#include <utility>

class WindowSettingsHost;

// The main window's settings component: it keeps the window's position, a few control
// properties and a list of named values in one section of an ini file, restores them when the
// window is created and first shown, and saves them when it closes.
class WindowSettings
{
public:
    static constexpr int Version = 0;

    // Stored properties are "Component.Property" names; stored values have names and design
    // contents. The section is named after the window's class.
    WindowSettings(WindowSettingsHost &host, QString section, QStringList storedProperties,
        QList<std::pair<QString, QString>> storedValues);

    QString iniFileName() const { return m_ini.path(); }
    void setIniFileName(const QString &path) { m_ini.setPath(path); }

    void restorePass();
    // Throws AppError when the file cannot be written.
    void savePass(bool destroying = false);
    bool savedSinceRestore() const { return m_saved; }

    // The named values, as text. Reading them again from the file keeps the current content as
    // the default; saving writes them all in one replacement of the file.
    QString value(const QString &name) const;
    void setValue(const QString &name, int value);
    void reloadStoredValues();
    void saveStoredValues();

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
    void saveProperties();

    WindowSettingsHost &m_host;
    IniFile m_ini;
    QString m_section;
    QStringList m_storedProperties;
    QList<std::pair<QString, QString>> m_values;
    bool m_restored = false;
    bool m_saved = false;
};
