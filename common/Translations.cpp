// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
// The translator for `locale`'s languages, installed; nothing when none of them is there.
QTranslator *installFrom(
    QCoreApplication &application, const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&application);
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
        return translator;
    }
    delete translator;
    return nullptr;
}
} // namespace

void Translations::install(QCoreApplication &application)
{
    // The user's languages in order of preference (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); the first
    // we speak wins. Qt's own texts follow it, and only it: a language we do not speak leaves the
    // whole program English rather than half of it French.
    const QTranslator *ours
        = installFrom(application, QLocale(), QStringLiteral("glimmerview"), QStringLiteral(":/i18n"));
    if (ours) {
        installFrom(application, QLocale(ours->language()), QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
}
