// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include "app/ChipCommand.h"
#include "app/ConvertCommand.h"
#include "app/StationCommand.h"
#include "chip/ChipTargets.h"
#include "common/AppError.h"
#include "common/CommandLineOptions.h"
#include "common/DecimalText.h"
#include "common/FileReplacer.h"
#include "common/LocalPath.h"
#include "common/SystemErrorText.h"
#include "common/Translations.h"
#include "compare/ImageComparison.h"
#include "effect/ImageDecoder.h"
#include "effect/ImageEncoder.h"
#include "effect/ImageFile.h"
#include "exporting/Exports.h"
#include "generate/Generators.h"
#include "picture/PictureImport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cerrno>
#include <cstdio>

int CommandLine::finishOutput(int status)
{
    // A report that never arrived (a full disk, a closed pipe) is no answer for a script.
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    std::fprintf(stderr, "%s\n",
        qPrintable(QCoreApplication::translate("CommandLine", "The output cannot be written: %1")
                       .arg(systemErrorText(errno))));
    return 2;
}

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
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Check the light effect of a 16-Kbit EEPROM image before it goes into the chip."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QStringList tables {ChipTargets::kindsText(), Generators::kindsText(), Exports::kindsText(),
        NamedSettings::defaultsText(PictureImport::settings())};
    for (const CommandLineOptions::Option &option : CommandLineOptions::all()) {
        parser.addOption(option.valueName
                ? QCommandLineOption(QString::fromLatin1(option.name), CommandLineOptions::description(option, tables),
                    CommandLineOptions::valueName(option.valueName))
                : QCommandLineOption(
                    QString::fromLatin1(option.name), CommandLineOptions::description(option, tables)));
    }
    const QString compare = QStringLiteral("compare");
    const QString chip = QStringLiteral("chip");
    const QString read = QStringLiteral("read");
    const QString write = QStringLiteral("write");
    const QString verify = QStringLiteral("verify");
    const QString listChips = QStringLiteral("list-chips");
    // Qt's own window options (-platform xcb, -style fusion, ...) are taken by the window
    // system later; here they are accepted and left alone.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char *name : {"platform", "style", "stylesheet", "display", "qwindowgeometry", "qwindowtitle"}) {
        QCommandLineOption toolkit(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        toolkit.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(toolkit);
    }
    const QString fileName = CommandLineOptions::valueName("FILE");
    parser.addPositionalArgument(fileName,
        QCoreApplication::translate(
            "CommandLine", "An effect image to show: .bin or .bin16 (two bytes a row), .bin8 (one byte a row)."),
        QLatin1Char('[') + fileName + QLatin1Char(']'));
    // The arguments as the bytes they are: a file name that is no UTF-8 still names its file.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << LocalPath::decode(QByteArray(argv[i]));
    const auto usageError = [&parser](const QString &mistake) -> Outcome {
        std::fprintf(stderr, "%s\n\n%s", qPrintable(mistake), qPrintable(parser.helpText()));
        return {2, std::nullopt}; // never 1, which --compare and --verify use for "they differ"
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    // Help and version answer alone, whatever else is asked: nothing is touched.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return {finishOutput(0), std::nullopt};
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
            qPrintable(QCoreApplication::applicationVersion()));
        return {finishOutput(0), std::nullopt};
    }
    // A repeated option would let its last value win without a word: the wrong chip or file.
    const QStringList given = parser.optionNames();
    for (const CommandLineOptions::Option &option : CommandLineOptions::all()) {
        const QString name = QString::fromLatin1(option.name);
        // --set is given once for each setting, and a station's --chip once for each lane.
        const bool repeatable = name == QLatin1String("set")
            || (name == QLatin1String("chip") && parser.isSet(QStringLiteral("station")));
        if (given.count(name) > 1 && !repeatable)
            return usageError(QCoreApplication::translate("CommandLine", "--%1 is given more than once.").arg(name));
    }
    const QStringList files = parser.positionalArguments();
    const int chipActions = int(parser.isSet(read)) + int(parser.isSet(write)) + int(parser.isSet(verify));
    const bool chipWork = parser.isSet(chip) || chipActions > 0;
    const QString generate = QStringLiteral("generate");
    const QString importing = QStringLiteral("import");
    const QString exporting = QStringLiteral("export");
    const QString output = QStringLiteral("output");
    const QString set = QStringLiteral("set");
    const int conversions = int(parser.isSet(generate)) + int(parser.isSet(importing)) + int(parser.isSet(exporting));
    const bool converting = conversions > 0 || parser.isSet(set) || parser.isSet(output);
    if (int(parser.isSet(compare)) + int(parser.isSet(listChips)) + int(chipWork)
            + std::max(conversions, int(converting))
        > 1) {
        return usageError(QCoreApplication::translate(
            "CommandLine", "--compare, --list-chips, --chip, --generate, --import and --export each go on their own."));
    }
    if (converting) {
        const QStringList settings = parser.values(set);
        if (parser.isSet(exporting)) {
            if (files.size() != 2 || parser.isSet(output)) {
                return usageError(QCoreApplication::translate(
                    "CommandLine", "--export KIND goes with OUTPUT and FILE, and --set NAME=VALUE as needed."));
            }
            return {
                finishOutput(ConvertCommand::exportImage(parser.value(exporting), settings, files.at(0), files.at(1))),
                std::nullopt};
        }
        if (conversions == 0 || !parser.isSet(output) || !files.isEmpty()) {
            return usageError(QCoreApplication::translate("CommandLine",
                "--generate KIND and --import PICTURE go with --output FILE, and --set NAME=VALUE as needed."));
        }
        const int status = parser.isSet(generate)
            ? ConvertCommand::generate(parser.value(generate), settings, parser.value(output))
            : ConvertCommand::importPicture(parser.value(importing), settings, parser.value(output));
        return {finishOutput(status), std::nullopt};
    }
    const QString station = QStringLiteral("station");
    const QString clone = QStringLiteral("clone");
    const bool stationWork = parser.isSet(station) || parser.isSet(QStringLiteral("log"))
        || parser.isSet(QStringLiteral("count")) || parser.isSet(clone);
    if (stationWork) {
        const std::optional<std::int32_t> count = parser.isSet(QStringLiteral("count"))
            ? DecimalText::parse(parser.value(QStringLiteral("count")))
            : std::optional<std::int32_t>(0);
        if (!parser.isSet(station) || !parser.isSet(chip) || parser.isSet(write) == parser.isSet(clone)
            || !parser.isSet(QStringLiteral("log")) || parser.isSet(read) || parser.isSet(verify) || !files.isEmpty()
            || !count || *count < 0) {
            return usageError(QCoreApplication::translate("CommandLine",
                "--station goes with --chip TARGET for each lane, --write FILE or --clone MASTER, and --log LOG, "
                "and --count N (a whole number) as needed."));
        }
        return {finishOutput(StationCommand::run(parser.values(chip), parser.value(write), parser.value(clone),
                    parser.value(QStringLiteral("log")), *count)),
            std::nullopt};
    }
    if (parser.isSet(listChips)) {
        if (!files.isEmpty())
            return usageError(QCoreApplication::translate("CommandLine", "--list-chips takes no FILE."));
        return {finishOutput(ChipCommand::listChips()), std::nullopt};
    }
    if (chipWork) {
        if (!parser.isSet(chip) || chipActions != 1 || !files.isEmpty()) {
            return usageError(QCoreApplication::translate(
                "CommandLine", "--chip TARGET goes with one of --read FILE, --write FILE, --verify FILE."));
        }
        const auto [action, option] = parser.isSet(read) ? std::pair {ChipCommand::Action::Read, read}
            : parser.isSet(write)                        ? std::pair {ChipCommand::Action::Write, write}
                                                         : std::pair {ChipCommand::Action::Verify, verify};
        return {finishOutput(ChipCommand::run(parser.value(chip), action, parser.value(option))), std::nullopt};
    }
    if (parser.isSet(compare)) {
        if (files.size() != 2)
            return usageError(QCoreApplication::translate("CommandLine", "--compare needs two images, A and B."));
        return {finishOutput(compareImages(files.at(0), files.at(1))), std::nullopt};
    }
    if (files.size() > 1)
        return usageError(QCoreApplication::translate("CommandLine", "Only one FILE can be shown."));
    if (files.isEmpty())
        return {};
    const QString file = files.constFirst();
    return {std::nullopt, file.startsWith(QLatin1Char('/')) ? file : QDir::currentPath() + QLatin1Char('/') + file};
}
