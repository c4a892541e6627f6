// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include "app/ChipCommand.h"
#include "common/AppError.h"
#include "common/LocalPath.h"
#include "common/Translations.h"
#include "compare/ImageComparison.h"
#include "effect/ImageFile.h"

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
        QStringLiteral("TARGET"));
    const QCommandLineOption read(QStringLiteral("read"),
        QCoreApplication::translate("CommandLine", "Read the whole chip into FILE."), QStringLiteral("FILE"));
    const QCommandLineOption write(QStringLiteral("write"),
        QCoreApplication::translate("CommandLine",
            "Write FILE's image into the chip: the chip is read and kept as a backup, only the chip "
            "pages that differ are written, and the chip is read back and compared."),
        QStringLiteral("FILE"));
    const QCommandLineOption verify(QStringLiteral("verify"),
        QCoreApplication::translate("CommandLine",
            "Compare the chip with FILE's image: one line for each row that differs, as --compare prints."),
        QStringLiteral("FILE"));
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
    parser.addPositionalArgument(QStringLiteral("FILE"),
        QCoreApplication::translate(
            "CommandLine", "An effect image to show: .bin or .bin16 (two bytes a row), .bin8 (one byte a row)."),
        QStringLiteral("[FILE]"));
    // The arguments as the bytes they are: a file name that is no UTF-8 still names its file.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << LocalPath::decode(QByteArray(argv[i]));
    const bool comparing = parser.parse(arguments) && parser.isSet(compare);
    if (parser.errorText().isEmpty() && parser.isSet(listChips))
        return {ChipCommand::listChips(), std::nullopt};
    const int chipActions = int(parser.isSet(read)) + int(parser.isSet(write)) + int(parser.isSet(verify));
    const bool chipWork = parser.errorText().isEmpty() && (parser.isSet(chip) || chipActions > 0);
    if (chipWork && parser.isSet(chip) && chipActions == 1 && parser.positionalArguments().isEmpty()) {
        const auto [action, option] = parser.isSet(read) ? std::pair {ChipCommand::Action::Read, read}
            : parser.isSet(write)                        ? std::pair {ChipCommand::Action::Write, write}
                                                         : std::pair {ChipCommand::Action::Verify, verify};
        return {ChipCommand::run(parser.value(chip), action, parser.value(option)), std::nullopt};
    }
    if (chipWork) {
        std::fprintf(stderr, "%s\n\n%s",
            qPrintable(QCoreApplication::translate(
                "CommandLine", "--chip TARGET goes with one of --read FILE, --write FILE, --verify FILE.")),
            qPrintable(parser.helpText()));
        return {2, std::nullopt};
    }
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
