// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/CommandLineOptions.h"

#include <QCoreApplication>

namespace CommandLineOptions {

namespace {
    constexpr char Context[] = "CommandLine";
    constexpr char ValueNameComment[] = "a value name in --help";
    // The value names, for the translators: they are looked up by their English.
    [[maybe_unused]] constexpr const char *ValueNames[][2] = {
        QT_TRANSLATE_NOOP3("CommandLine", "FILE", "a value name in --help"),
        QT_TRANSLATE_NOOP3("CommandLine", "TARGET", "a value name in --help"),
        QT_TRANSLATE_NOOP3("CommandLine", "KIND", "a value name in --help"),
        QT_TRANSLATE_NOOP3("CommandLine", "NAME=VALUE", "a value name in --help"),
        QT_TRANSLATE_NOOP3("CommandLine", "PICTURE", "a value name in --help"),
        QT_TRANSLATE_NOOP3("CommandLine", "LOG", "a value name in --help"),
        QT_TRANSLATE_NOOP3("CommandLine", "MASTER", "a value name in --help"),
        QT_TRANSLATE_NOOP3("CommandLine", "N", "a value name in --help"),
    };
} // namespace

const QList<Option> &all()
{
    static const QList<Option> options {
        {"compare", nullptr,
            QT_TRANSLATE_NOOP("CommandLine",
                "Compare image A with image B, without a window: one line for each row that differs, "
                "then a summary. Exits with 0 when they are the same, 1 when they differ, 2 when either "
                "cannot be read. Usage: --compare A B")},
        {"chip", "TARGET",
            QT_TRANSLATE_NOOP("CommandLine",
                "The chip to work on, without a window: %1. With one of --read, --write, --verify. Exits with 0 "
                "on success, 1 when the chip does not hold the image (--verify), 2 on any error.")},
        {"read", "FILE", QT_TRANSLATE_NOOP("CommandLine", "Read the whole chip into FILE.")},
        {"write", "FILE",
            QT_TRANSLATE_NOOP("CommandLine",
                "Write FILE's image into the chip: the chip is read and kept as a backup, only the chip "
                "pages that differ are written, and the chip is read back and compared.")},
        {"verify", "FILE",
            QT_TRANSLATE_NOOP("CommandLine",
                "Compare the chip with FILE's image: one line for each row that differs, as --compare prints.")},
        {"generate", "KIND",
            QT_TRANSLATE_NOOP("CommandLine",
                "Make an effect without a window, into --output FILE (its layout by its name), with --set "
                "NAME=VALUE for each setting to change. The kinds and their settings: %2.")},
        {"import", "PICTURE",
            QT_TRANSLATE_NOOP("CommandLine",
                "Turn a picture (PNG, BMP, GIF with its frames, JPEG) into an effect without a window, into --output "
                "FILE (its layout by its name), with --set NAME=VALUE for each setting to change: %4.")},
        {"export", "KIND",
            QT_TRANSLATE_NOOP("CommandLine",
                "Export an image without a window: --export KIND OUTPUT FILE, with --set NAME=VALUE for each "
                "setting to change. The kinds and their settings: %3.")},
        {"set", "NAME=VALUE",
            QT_TRANSLATE_NOOP("CommandLine", "A setting of --generate, --import or --export; given once for each.")},
        {"output", "FILE", QT_TRANSLATE_NOOP("CommandLine", "Where --generate and --import write the effect.")},
        {"station", nullptr,
            QT_TRANSLATE_NOOP("CommandLine",
                "Run a production station without a window: --station --chip A [--chip B]... --write FILE --log LOG "
                "[--count N]. Each --chip is a lane (a missing sim: file is an empty socket); each chip is read, "
                "written where it differs and read back, its line appended to LOG. Ends after N chips or on "
                "Ctrl+C. Exits with 0 when every chip passed, 1 when any failed, 2 on an error that stops it.")},
        {"clone", "MASTER",
            QT_TRANSLATE_NOOP(
                "CommandLine", "A station's image read from the chip MASTER, instead of --write FILE: clone mode.")},
        {"log", "LOG", QT_TRANSLATE_NOOP("CommandLine", "The station's log: one CSV line for each chip, appended.")},
        {"count", "N", QT_TRANSLATE_NOOP("CommandLine", "The chips the station works on before it ends.")},
        {"list-chips", nullptr,
            QT_TRANSLATE_NOOP("CommandLine", "List the chips found: EEPROM files, I2C adapters and USB programmers.")},
    };
    return options;
}

QString description(const Option &option, const QStringList &tables)
{
    QString text = QCoreApplication::translate(Context, option.description);
    for (qsizetype n = 0; n < tables.size(); ++n)
        text.replace(QStringLiteral("%%1").arg(n + 1), tables.at(n));
    return text;
}

QString valueName(const char *englishName)
{
    return QCoreApplication::translate(Context, englishName, ValueNameComment);
}

} // namespace CommandLineOptions
