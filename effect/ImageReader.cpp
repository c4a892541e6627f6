// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/ImageReader.h"

#include "common/AppError.h"
#include "common/ProgramTexts.h"

#include <QFile>
#include <QFileInfo>

namespace {
[[noreturn]] void cannotOpen(const QString &path)
{
    throw AppError(QString::fromUtf8(Texts::CannotOpenFile).arg(path));
}
} // namespace

QByteArray ImageReader::readHead(const QString &path, qsizetype maxBytes)
{
    // QFile opens a folder for reading on Linux; it holds no image.
    if (QFileInfo(path).isDir())
        cannotOpen(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        cannotOpen(path);
    QByteArray bytes(maxBytes, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < maxBytes) {
        const qint64 got = file.read(bytes.data() + filled, maxBytes - filled);
        if (got < 0)
            cannotOpen(path);
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}
