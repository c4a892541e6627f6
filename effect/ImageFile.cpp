// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/ImageFile.h"

#include "effect/ImageReader.h"

ImageLayout ImageFile::load(const QString &path, EffectImage &image)
{
    const ImageLayout layout = ImageDecoder::layoutForPath(path);
    const QByteArray bytes = ImageReader::readHead(path, ImageDecoder::byteCount(layout));
    ImageDecoder::decode(bytes, layout, image);
    return layout;
}
