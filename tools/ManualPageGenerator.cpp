// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// manual-page-generator TEMPLATE DESCRIPTION VERSION OUTPUT: the manual page from its template,
// with the package's description and the options the program's own --help shows.
#include "chip/ChipTargets.h"
#include "common/CommandLineOptions.h"
#include "exporting/Exports.h"
#include "generate/Generators.h"
#include "picture/PictureImport.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <cstdio>

namespace {
// Text as roff reads it literally: backslashes and minus signs escaped, no line taken for a
// request.
QString roff(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    text.replace(QLatin1Char('-'), QStringLiteral("\\-"));
    if (text.startsWith(QLatin1Char('.')) || text.startsWith(QLatin1Char('\'')))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

QString options()
{
    QStringList entries;
    for (const CommandLineOptions::Option &option : CommandLineOptions::all()) {
        QString term = QStringLiteral("\\fB\\-\\-%1\\fP").arg(roff(QString::fromLatin1(option.name)));
        if (option.valueName)
            term += QStringLiteral(" \\fI%1\\fP").arg(QString::fromLatin1(option.valueName));
        entries << QStringLiteral(".TP\n") + term + QLatin1Char('\n')
                + roff(CommandLineOptions::description(option,
                    {ChipTargets::kindsText(), Generators::kindsText(), Exports::kindsText(),
                        NamedSettings::defaultsText(PictureImport::settings())}));
    }
    return entries.join(QLatin1Char('\n'));
}

QString description(const QString &text)
{
    QStringList paragraphs;
    for (const QString &paragraph : text.trimmed().split(QRegularExpression(QStringLiteral("\\n\\s*\\n"))))
        paragraphs << roff(paragraph.simplified());
    return paragraphs.join(QStringLiteral("\n.PP\n"));
}

bool readAll(const char *path, QString &text)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    text = QString::fromUtf8(file.readAll());
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    QString page;
    QString about;
    if (argc != 5 || !readAll(argv[1], page) || !readAll(argv[2], about)) {
        std::fprintf(stderr, "usage: manual-page-generator TEMPLATE DESCRIPTION VERSION OUTPUT\n");
        return 2;
    }
    page.replace(QStringLiteral("@VERSION@"), QString::fromLatin1(argv[3]));
    page.replace(QStringLiteral("@DESCRIPTION@"), description(about));
    page.replace(QStringLiteral("@OPTIONS@"), options());
    QFile output(QString::fromLocal8Bit(argv[4]));
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate) || output.write(page.toUtf8()) < 0
        || !output.flush()) {
        std::fprintf(stderr, "manual-page-generator: cannot write %s\n", argv[4]);
        return 2;
    }
    return 0;
}
