// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
//
// libFuzzer entry: any bytes as a picture to import, in both placements with dithering; the
// import must refuse or read, never overrun or hang.
#include "common/AppError.h"
#include "picture/PictureImport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv); // where Qt finds its picture readers
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        const QList<QImage> frames = PictureImport::read(buffer);
        (void)PictureImport::rows(frames, {QStringLiteral("dither=diffusion")}, 16);
        (void)PictureImport::rows(frames, {QStringLiteral("placement=pages"), QStringLiteral("dither=ordered")}, 8);
    } catch (const AppError &) {
        // refused, as it should be
    }
    return 0;
}
