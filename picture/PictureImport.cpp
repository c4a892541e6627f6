// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "picture/PictureImport.h"

#include "common/AppError.h"
#include "common/LocalPath.h"
#include "common/RegularFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QTransform>
#include <algorithm>

namespace PictureImport {

namespace {
    QString tr(const char *text)
    {
        return QCoreApplication::translate("PictureImport", text);
    }

    const QByteArrayList Formats {"png", "bmp", "gif", "jpeg"};

    // Brightness, with what is transparent dark: an unlit LED.
    QImage brightness(const QImage &frame)
    {
        const QImage colours = frame.convertToFormat(QImage::Format_ARGB32);
        QImage grey(colours.size(), QImage::Format_Grayscale8);
        for (int y = 0; y < colours.height(); ++y) {
            const auto *in = reinterpret_cast<const QRgb *>(colours.constScanLine(y));
            uchar *out = grey.scanLine(y);
            for (int x = 0; x < colours.width(); ++x)
                out[x] = static_cast<uchar>(qGray(in[x]) * qAlpha(in[x]) / 255);
        }
        return grey;
    }

    // Lit or not for each pixel of `grey`, as `dither` spreads the brightness between them.
    QList<QList<bool>> litPixels(const QImage &grey, int threshold, const QString &dither)
    {
        static const int Bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
        const int width = grey.width();
        QList<QList<bool>> lit(grey.height(), QList<bool>(width));
        QList<int> error(width + 2, 0), next(width + 2, 0); // the errors carried to this row and the next
        for (int y = 0; y < grey.height(); ++y) {
            const uchar *line = grey.constScanLine(y);
            for (int x = 0; x < width; ++x) {
                int value = line[x];
                if (dither == QLatin1String("ordered"))
                    value += (2 * Bayer[y % 4][x % 4] - 15) * 8; // -120 .. +120 around the threshold
                else if (dither == QLatin1String("diffusion"))
                    value += error[x + 1] / 16;
                const bool on = value >= threshold;
                lit[y][x] = on;
                if (dither == QLatin1String("diffusion")) { // Floyd and Steinberg's weights
                    const int left = value - (on ? 255 : 0);
                    error[x + 2] += left * 7;
                    next[x] += left * 3;
                    next[x + 1] += left * 5;
                    next[x + 2] += left;
                }
            }
            std::swap(error, next);
            std::fill(next.begin(), next.end(), 0);
        }
        return lit;
    }

    // Row `y` of `lit` from column `left` on, as a string of `leds` shows it: the picture's left
    // at the string's left (LED `leds`).
    RowTools::Frame frameOf(const QList<QList<bool>> &lit, int y, int left, int leds, bool invert)
    {
        RowTools::Frame frame = 0;
        for (int x = 0; x < leds; ++x) {
            const bool inside = y < lit.size() && left + x < lit.at(y).size();
            if ((inside && lit.at(y).at(left + x)) != invert)
                frame |= static_cast<RowTools::Frame>(1u << (leds - 1 - x));
        }
        return frame;
    }
} // namespace

const QList<Setting> &settings()
{
    static const QList<Setting> table {
        {"placement", QT_TRANSLATE_NOOP("PictureImport", "Placement"), "rows", 0, 0, "rows|pages"},
        {"threshold", QT_TRANSLATE_NOOP("PictureImport", "Threshold (lit from)"), "128", 0, 255},
        {"dither", QT_TRANSLATE_NOOP("PictureImport", "Dithering"), "none", 0, 0, "none|ordered|diffusion"},
        {"invert", QT_TRANSLATE_NOOP("PictureImport", "Inverted"), "0", 0, 1},
        {"wide", QT_TRANSLATE_NOOP("PictureImport", "A wider picture is"), "scale", 0, 0, "scale|turn"},
    };
    return table;
}

QList<QImage> read(QIODevice &device)
{
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    if (!Formats.contains(reader.format()))
        throw AppError(tr("This is no picture Glimmerview reads: PNG, BMP, GIF or JPEG."));
    // The header first: a huge or empty picture is refused before it is decoded. A GIF's
    // frames are drawn on its screen, whose size leads its header.
    QSize size = reader.size();
    if (const QByteArray header = device.peek(10); reader.format() == "gif" && header.size() == 10) {
        const auto word = [&header](int at) {
            return static_cast<std::uint8_t>(header[at]) | static_cast<std::uint8_t>(header[at + 1]) << 8;
        };
        size = size.expandedTo(QSize(word(6), word(8)));
    }
    if (size.isValid() && size.isEmpty())
        throw AppError(tr("The picture holds no pixels."));
    if (size.isValid()
        && (size.width() > MostSide || size.height() > MostSide || qint64(size.width()) * size.height() > MostPixels))
        throw AppError(tr("The picture is %1×%2 pixels; Glimmerview reads pictures of up to %3 pixels a side and %4 "
                          "pixels in all.")
                           .arg(size.width())
                           .arg(size.height())
                           .arg(MostSide)
                           .arg(MostPixels));
    if (reader.imageCount() > MostFrames)
        throw AppError(
            tr("The picture holds %1 frames; Glimmerview reads up to %2.").arg(reader.imageCount()).arg(MostFrames));
    reader.setAllocationLimit(static_cast<int>(MostPixels * 4 / (1024 * 1024)) + 1); // in MiB
    QList<QImage> frames;
    do {
        QImage frame;
        if (!reader.read(&frame)) {
            if (!frames.isEmpty() && reader.error() == QImageReader::UnknownError)
                break; // the last frame was read
            throw AppError(tr("The picture cannot be read: %1").arg(reader.errorString()));
        }
        if (frame.isNull() || frame.width() == 0 || frame.height() == 0)
            throw AppError(tr("The picture holds no pixels."));
        if (frames.size() == MostFrames)
            throw AppError(tr("The picture holds more than %1 frames; Glimmerview reads up to %1.").arg(MostFrames));
        frames << brightness(frame);
    } while (reader.supportsAnimation() && reader.canRead());
    return frames;
}

QList<QImage> read(const QString &path)
{
    // Read whole from a file at rest: a named pipe or a device would block or never end.
    constexpr qsizetype MostBytes = 64 * 1024 * 1024;
    QString reason;
    std::optional<QByteArray> bytes = RegularFile::readHead(path, MostBytes + 1, &reason);
    if (!bytes)
        throw AppError(tr("%1 cannot be read: %2").arg(LocalPath::displayed(path), reason));
    if (bytes->size() > MostBytes)
        throw AppError(tr("%1 holds more than %2 MiB: no picture Glimmerview reads is that big.")
                           .arg(LocalPath::displayed(path))
                           .arg(MostBytes / (1024 * 1024)));
    QBuffer buffer(&*bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer);
}

QList<RowTools::Frame> rows(const QList<QImage> &frames, const QStringList &given, int leds)
{
    const NamedSettings settings("import", PictureImport::settings(), given, leds);
    const bool pages = settings.choice("placement") == QLatin1String("pages");
    const int threshold = settings.number("threshold");
    const QString dither = settings.choice("dither");
    const bool invert = settings.number("invert") == 1;
    const bool turn = settings.choice("wide") == QLatin1String("turn");
    QList<RowTools::Frame> made;
    for (QImage frame : frames) {
        if (!pages && frame.width() > leds) {
            if (turn)
                frame = frame.transformed(QTransform().rotate(90));
            if (frame.width() > leds) // to the string's width, in proportion
                frame = frame.scaledToWidth(leds, Qt::SmoothTransformation);
        }
        const QList<QList<bool>> lit = litPixels(frame, threshold, dither);
        if (!pages) {
            for (int y = 0; y < frame.height(); ++y)
                made << frameOf(lit, y, 0, leds, invert);
            continue;
        }
        for (int top = 0; top < frame.height(); top += EffectImage::RowCount) {
            for (int left = 0; left < frame.width(); left += leds) {
                for (int y = top; y < top + EffectImage::RowCount; ++y)
                    made << frameOf(lit, y, left, leds, invert);
            }
        }
    }
    return made;
}

} // namespace PictureImport
