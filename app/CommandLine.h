// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The program's command line: Glimmerview [--help] [--version] [FILE], --compare A B, the chip's
// --list-chips and --chip TARGET --read/--write/--verify FILE, --generate KIND or --import PICTURE
// with --output FILE, or --export KIND OUTPUT FILE. Read before any window exists, so all but FILE
// work without a display.
class CommandLine
{
public:
    struct Outcome
    {
        std::optional<int> exitStatus; // set when the program is to end at once
        std::optional<QString> file; // an image to load, as an absolute path
    };

    // Prints help, the version or the usage (for a mistake, to stderr, with status 2) as asked.
    static Outcome parse(int argc, char **argv);

private:
    // The status, or 2 when what was printed cannot be written (a full disk, a closed pipe).
    static int finishOutput(int status);
    // Prints where image A differs from image B; the exit status: 0 the same, 1 they differ,
    // 2 either cannot be read.
    static int compareImages(const QString &imagePath, const QString &referencePath);
};
