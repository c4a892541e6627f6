// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include "common/AppError.h"
#include "common/LocalPath.h"
#include "compare/ImageComparison.h"
#include "effect/ImageFile.h"
#include "common/Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int CommandLine::compareImages(const QString &imagePath, const QString &referencePath)
{
    EffectImage image;
    EffectImage reference;
    try {
        ImageFile::load(imagePath, image);
        ImageFile::load(referencePath, reference);
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 2;
    }
    const ImageComparison comparison = ImageComparison::of(image, reference);
    for (const QString &line : comparison.rowReport())
        std::printf("%s\n", qPrintable(line));
    std::printf("%s\n", qPrintable(comparison.summary(LocalPath::displayed(referencePath))));
    return comparison.isSame() ? 0 : 1;
}

CommandLine::Outcome CommandLine::parse(int argc, char **argv)
{
    // A plain core application for the parser's texts: no display is needed yet.
    QCoreApplication application(argc, argv);
    Translations::install(application);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Check the light effect of a 16-Kbit EEPROM image before it goes into the chip."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption compare(QStringLiteral("compare"),
        QCoreApplication::translate("CommandLine",
            "Compare image A with image B, without a window: one line for each row that differs, "
            "then a summary. Exits with 0 when they are the same, 1 when they differ, 2 when either "
            "cannot be read. Usage: --compare A B"));
    parser.addOption(compare);
    // Qt's own window options (-platform xcb, -style fusion, ...) are taken by the window
    // system later; here they are accepted and left alone.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char *name : {"platform", "style", "stylesheet", "display", "qwindowgeometry", "qwindowtitle"}) {
        QCommandLineOption toolkit(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        toolkit.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(toolkit);
    }
    parser.addPositionalArgument(QStringLiteral("FILE"),
        QCoreApplication::translate("CommandLine", "An effect image to show: .bin or .bin16 (two bytes a row), .bin8 (one byte a row)."),
        QStringLiteral("[FILE]"));
    // The arguments as the bytes they are: a file name that is no UTF-8 still names its file.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << LocalPath::decode(QByteArray(argv[i]));
    const bool comparing = parser.parse(arguments) && parser.isSet(compare);
    if (comparing && parser.positionalArguments().size() == 2)
        return {compareImages(parser.positionalArguments().at(0), parser.positionalArguments().at(1)), std::nullopt};
    if (!parser.errorText().isEmpty() || comparing || parser.positionalArguments().size() > 1) {
        const QString mistake = !parser.errorText().isEmpty() ? parser.errorText()
            : comparing ? QCoreApplication::translate("CommandLine", "--compare needs two images, A and B.")
                        : QCoreApplication::translate("CommandLine", "Only one FILE can be shown.");
        std::fprintf(stderr, "%s\n\n%s", qPrintable(mistake), qPrintable(parser.helpText()));
        return {comparing ? 2 : 1, std::nullopt}; // 1 would read as "they differ"
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return {0, std::nullopt};
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
            qPrintable(QCoreApplication::applicationVersion()));
        return {0, std::nullopt};
    }
    if (parser.positionalArguments().isEmpty())
        return {};
    const QString file = parser.positionalArguments().constFirst();
    return {std::nullopt, file.startsWith(QLatin1Char('/')) ? file : QDir::currentPath() + QLatin1Char('/') + file};
}
