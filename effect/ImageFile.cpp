// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/ImageFile.h"

#include "common/AppError.h"
#include "common/FileReplacer.h"
#include "common/FileStamp.h"
#include "common/LocalPath.h"
#include "effect/ImageEncoder.h"
#include "effect/ImageReader.h"

#include <QCoreApplication>

ImageLayout ImageFile::load(const QString &path, EffectImage &image)
{
    const ImageLayout layout = ImageDecoder::layoutForPath(path);
    const QByteArray bytes = ImageReader::readHead(path, ImageDecoder::byteCount(layout));
    ImageDecoder::decode(bytes, layout, image);
    return layout;
}

bool ImageFile::holdsMoreThanItsLayout(const QString &path)
{
    const std::optional<FileStamp> stamp = FileStamp::of(path);
    return !stamp || !stamp->regular || stamp->size > ImageDecoder::byteCount(ImageDecoder::layoutForPath(path));
}

void ImageFile::save(const QString &path, const EffectImage &image, ImageLayout layout)
{
    QString reason;
    if (!FileReplacer::replace(path, ImageEncoder::encode(image, layout), &reason))
        throw AppError(QCoreApplication::translate("ImageFile", "Cannot save \"%1\": %2").arg(LocalPath::displayed(path), reason));
}
