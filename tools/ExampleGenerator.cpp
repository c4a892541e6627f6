// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// Writes the example effects into the folder given (examples/ of the sources), whose files are
// committed: example-generator FOLDER. Run it on the offscreen platform.
#include "common/AppError.h"
#include "tools/ExampleEffects.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: example-generator FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    try {
        for (const ExampleEffects::Example &example : ExampleEffects::all()) {
            QFile file(folder.filePath(example.fileName));
            const QByteArray bytes = ExampleEffects::make(example);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
                return 1;
            }
            std::printf("%s: %s\n", qPrintable(example.fileName), qPrintable(example.description));
        }
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
