// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
void installFrom(QCoreApplication &application, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&application);
    // The user's languages in order of preference (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
    if (translator->load(QLocale(), name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
} // namespace

void Translations::install(QCoreApplication &application)
{
    installFrom(application, QStringLiteral("glimmerview"), QStringLiteral(":/i18n"));
    installFrom(application, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
