// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include "app/ChipCommand.h"
#include "common/AppError.h"
#include "common/LocalPath.h"
#include "common/SystemErrorText.h"
#include "common/Translations.h"
#include "compare/ImageComparison.h"
#include "effect/ImageFile.h"

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
    // The value names as the descriptions name them, in the language of the help.
    const QString fileName = QCoreApplication::translate("CommandLine", "FILE", "a value name in --help");
    const QString target = QCoreApplication::translate("CommandLine", "TARGET", "a value name in --help");
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Check the light effect of a 16-Kbit EEPROM image before it goes into the chip."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption compare(QStringLiteral("compare"),
        QCoreApplication::translate("CommandLine",
            "Compare image A with image B, without a window: one line for each row that differs, "
            "then a summary. Exits with 0 when they are the same, 1 when they differ, 2 when either "
            "cannot be read. Usage: --compare A B"));
    parser.addOption(compare);
    const QCommandLineOption chip(QStringLiteral("chip"),
        QCoreApplication::translate("CommandLine",
            "The chip to work on, without a window: an EEPROM file (/sys/bus/nvmem/devices/.../nvmem), "
            "i2c:/dev/i2c-N (i2c8: for the 1024-byte part), ch341a or ch341a:BUS-ADDRESS (the USB programmer, "
            "?speed=400 for 400 kHz), sim:FILE or sim8:FILE (a simulated chip). "
            "With one of --read, --write, --verify. Exits with 0 on success, 1 when the chip does not "
            "hold the image (--verify), 2 on any error."),
        target);
    const QCommandLineOption read(
        QStringLiteral("read"), QCoreApplication::translate("CommandLine", "Read the whole chip into FILE."), fileName);
    const QCommandLineOption write(QStringLiteral("write"),
        QCoreApplication::translate("CommandLine",
            "Write FILE's image into the chip: the chip is read and kept as a backup, only the chip "
            "pages that differ are written, and the chip is read back and compared."),
        fileName);
    const QCommandLineOption verify(QStringLiteral("verify"),
        QCoreApplication::translate("CommandLine",
            "Compare the chip with FILE's image: one line for each row that differs, as --compare prints."),
        fileName);
    const QCommandLineOption listChips(QStringLiteral("list-chips"),
        QCoreApplication::translate(
            "CommandLine", "List the chips found: EEPROM files, I2C adapters and USB programmers."));
    parser.addOptions({chip, read, write, verify, listChips});
    // Qt's own window options (-platform xcb, -style fusion, ...) are taken by the window
    // system later; here they are accepted and left alone.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char *name : {"platform", "style", "stylesheet", "display", "qwindowgeometry", "qwindowtitle"}) {
        QCommandLineOption toolkit(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        toolkit.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(toolkit);
    }
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
    for (const QCommandLineOption &option : {compare, chip, read, write, verify, listChips}) {
        const QString name = option.names().constFirst();
        if (given.count(name) > 1)
            return usageError(QCoreApplication::translate("CommandLine", "--%1 is given more than once.").arg(name));
    }
    const QStringList files = parser.positionalArguments();
    const int chipActions = int(parser.isSet(read)) + int(parser.isSet(write)) + int(parser.isSet(verify));
    const bool chipWork = parser.isSet(chip) || chipActions > 0;
    if (int(parser.isSet(compare)) + int(parser.isSet(listChips)) + int(chipWork) > 1) {
        return usageError(
            QCoreApplication::translate("CommandLine", "--compare, --list-chips and --chip each go on their own."));
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
