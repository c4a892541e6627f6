// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "app/ConvertCommand.h"

#include "common/AppError.h"
#include "common/ColourSettings.h"
#include "common/FileReplacer.h"
#include "common/LocalPath.h"
#include "effect/ImageEncoder.h"
#include "effect/ImageFile.h"
#include "exporting/Exports.h"
#include "generate/Generators.h"
#include "picture/PictureImport.h"

#include <QCoreApplication>
#include <cstdio>

namespace ConvertCommand {

namespace {
    QString tr(const char *text)
    {
        return QCoreApplication::translate("ConvertCommand", text);
    }

    int stringLeds(ImageLayout layout)
    {
        return layout == ImageLayout::Bits8 ? EffectImage::ColumnCount / 2 : EffectImage::ColumnCount;
    }

    void write(const QString &output, const QByteArray &bytes)
    {
        QString reason;
        if (!FileReplacer::replace(output, bytes, &reason))
            throw AppError(tr("%1 cannot be written: %2").arg(LocalPath::displayed(output), reason));
    }

    // The work's exit status: 0, or 2 with its reason on standard error.
    template<typename Work>
    int reporting(Work &&work)
    {
        try {
            work();
            return 0;
        } catch (const AppError &error) {
            std::fprintf(stderr, "%s\n", qPrintable(error.message()));
            return 2;
        }
    }
} // namespace

int generate(const QString &kind, const QStringList &settings, const QString &output)
{
    return reporting([&] {
        const ImageLayout layout = ImageDecoder::layoutForPath(output);
        const EffectImage image = Generators::make(kind, settings, stringLeds(layout)); // throws before writing
        write(output, ImageEncoder::encode(image, layout));
    });
}

int importPicture(const QString &picture, const QStringList &settings, const QString &output)
{
    return reporting([&] {
        const ImageLayout layout = ImageDecoder::layoutForPath(output);
        const QList<RowTools::Frame> rows
            = PictureImport::rows(PictureImport::read(picture), settings, stringLeds(layout));
        write(output, ImageEncoder::encode(RowTools::imageOfFrames(rows, stringLeds(layout)), layout));
        if (rows.size() > RowSelection::RowCount) {
            std::fprintf(stderr, "%s\n",
                qPrintable(tr("The picture has %1 rows; the %2 after the image's last row were cut.")
                               .arg(rows.size())
                               .arg(rows.size() - RowSelection::RowCount)));
        }
    });
}

int exportImage(const QString &kind, const QStringList &settings, const QString &output, const QString &file)
{
    return reporting([&] {
        EffectImage image;
        const ImageLayout layout = ImageFile::load(file, image);
        write(output, Exports::make(kind, image, layout, settings, ColourSettings(), output));
    });
}

} // namespace ConvertCommand
