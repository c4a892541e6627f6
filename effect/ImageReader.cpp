// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/ImageReader.h"

#include "common/AppError.h"
#include "common/LocalPath.h"
#include "common/ProgramTexts.h"
#include "common/RegularFile.h"

QByteArray ImageReader::readHead(const QString &path, qsizetype maxBytes)
{
    QString reason;
    std::optional<QByteArray> bytes = RegularFile::readHead(path, maxBytes, &reason);
    if (!bytes)
        throw AppError(Texts::shown(Texts::CannotOpenFile).arg(LocalPath::displayed(path), reason));
    return *std::move(bytes);
}
