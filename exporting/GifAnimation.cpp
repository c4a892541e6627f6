// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "exporting/GifAnimation.h"

#include "common/AppError.h"
#include "effect/LedColours.h"

#include <QCoreApplication>
#include <QList>
#include <QRect>
#include <gif_lib.h>
#include <memory>
#include <vector>

namespace GifAnimation {

namespace {
    constexpr int Background = 0; // the palette's first colour: between the LEDs

    int appendTo(GifFileType *file, const GifByteType *data, int length)
    {
        static_cast<QByteArray *>(file->UserData)->append(reinterpret_cast<const char *>(data), length);
        return length;
    }

    [[noreturn]] void fail(int error)
    {
        throw AppError(QCoreApplication::translate("GifAnimation", "The animation cannot be made: %1")
                           .arg(QString::fromLatin1(GifErrorString(error))));
    }
    void check(GifFileType *file, int result)
    {
        if (result != GIF_OK)
            fail(file->Error);
    }

    // The palette: the background, then each column's colours lit and unlit, shared where alike.
    struct Palette
    {
        QList<QRgb> colours {qRgb(24, 24, 24)};
        std::array<GifPixelType, EffectImage::ColumnCount> lit {};
        std::array<GifPixelType, EffectImage::ColumnCount> unlit {};

        explicit Palette(const ColourSettings &settings)
        {
            const LedColours shades(settings);
            for (int column = 0; column < EffectImage::ColumnCount; ++column) {
                lit[static_cast<std::size_t>(column)] = index(shades.led(column, true));
                unlit[static_cast<std::size_t>(column)] = index(shades.led(column, false));
            }
            colours.resize(16, qRgb(0, 0, 0)); // GIF's palettes come in powers of two
        }
        GifPixelType index(QRgb colour)
        {
            if (!colours.contains(colour))
                colours << colour;
            return static_cast<GifPixelType>(colours.indexOf(colour));
        }
    };

    // Which pixels of a LED's square its disc covers.
    const std::array<bool, LedPixels * LedPixels> &disc()
    {
        static const std::array<bool, LedPixels *LedPixels> covered = [] {
            std::array<bool, LedPixels * LedPixels> made {};
            for (int y = 0; y < LedPixels; ++y) {
                for (int x = 0; x < LedPixels; ++x) {
                    const double dx = x + 0.5 - LedPixels / 2.0, dy = y + 0.5 - LedPixels / 2.0;
                    made[static_cast<std::size_t>(y * LedPixels + x)] = dx * dx + dy * dy <= 6.5 * 6.5;
                }
            }
            return made;
        }();
        return covered;
    }
} // namespace

int delayOf(int rows, int rowsPerSecond)
{
    return std::max(1, (rows * 100 + rowsPerSecond / 2) / rowsPerSecond);
}

QByteArray make(const EffectImage &image, int leds, const ColourSettings &colours, int rowsPerSecond, Kind kind)
{
    const Palette palette(colours);
    const int rowsAFrame = kind == Kind::Rows ? 1 : EffectImage::RowCount;
    const int width = leds * LedPixels, height = rowsAFrame * LedPixels;
    QByteArray bytes;
    int error = 0;
    const auto close = [](GifFileType *file) { EGifCloseFile(file, nullptr); };
    std::unique_ptr<GifFileType, decltype(close)> file(EGifOpen(&bytes, appendTo, &error), close);
    if (!file)
        fail(error);
    EGifSetGifVersion(file.get(), true);
    std::array<GifColorType, 16> map {};
    for (std::size_t i = 0; i < map.size(); ++i) {
        const QRgb colour = palette.colours.at(static_cast<qsizetype>(i));
        map[i] = {static_cast<GifByteType>(qRed(colour)), static_cast<GifByteType>(qGreen(colour)),
            static_cast<GifByteType>(qBlue(colour))};
    }
    const std::unique_ptr<ColorMapObject, void (*)(ColorMapObject *)> colourMap(
        GifMakeMapObject(static_cast<int>(map.size()), map.data()), GifFreeMapObject);
    check(file.get(), EGifPutScreenDesc(file.get(), width, height, 8, Background, colourMap.get()));
    // Played over and over, as the preview plays it.
    const GifByteType loop[] = {1, 0, 0};
    check(file.get(), EGifPutExtensionLeader(file.get(), APPLICATION_EXT_FUNC_CODE));
    check(file.get(), EGifPutExtensionBlock(file.get(), 11, "NETSCAPE2.0"));
    check(file.get(), EGifPutExtensionBlock(file.get(), sizeof loop, loop));
    check(file.get(), EGifPutExtensionTrailer(file.get()));

    GraphicsControlBlock timing {};
    timing.DisposalMode = DISPOSE_DO_NOT;
    timing.DelayTime = delayOf(rowsAFrame, rowsPerSecond);
    timing.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    const int extensionLength = static_cast<int>(EGifGCBToExtension(&timing, extension));
    // Each frame whole, then only the square of LEDs that changed since the one before: the rest
    // stays on the screen (DISPOSE_DO_NOT), which keeps a long effect small.
    const int rows = EffectImage::PageCount * EffectImage::RowCount;
    const auto pixelAt = [&](int first, int x, int y) -> GifPixelType {
        const int row = first + y / LedPixels;
        const int column = x / LedPixels;
        const bool on
            = image.page(row / EffectImage::RowCount
                  + 1)[static_cast<std::size_t>(row % EffectImage::RowCount * EffectImage::ColumnCount + column)]
            == EffectImage::On;
        if (!disc()[static_cast<std::size_t>(y % LedPixels * LedPixels + x % LedPixels)])
            return Background;
        return on ? palette.lit[static_cast<std::size_t>(column)] : palette.unlit[static_cast<std::size_t>(column)];
    };
    std::vector<GifPixelType> shown(static_cast<std::size_t>(width * height), Background), next(shown.size());
    for (int first = 0; first < rows; first += rowsAFrame) {
        QRect changed;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                next[static_cast<std::size_t>(y * width + x)] = pixelAt(first, x, y);
                if (first == 0
                    || next[static_cast<std::size_t>(y * width + x)] != shown[static_cast<std::size_t>(y * width + x)])
                    changed |= QRect(x, y, 1, 1);
            }
        }
        if (changed.isEmpty())
            changed = QRect(0, 0, 1, 1); // nothing new: a pixel as it was, for the frame's time
        check(file.get(), EGifPutExtension(file.get(), GRAPHICS_EXT_FUNC_CODE, extensionLength, extension));
        check(file.get(),
            EGifPutImageDesc(file.get(), changed.x(), changed.y(), changed.width(), changed.height(), false, nullptr));
        for (int y = changed.top(); y <= changed.bottom(); ++y)
            check(file.get(), EGifPutLine(file.get(), next.data() + y * width + changed.x(), changed.width()));
        std::swap(shown, next);
    }
    GifFileType *closing = file.release();
    if (EGifCloseFile(closing, &error) != GIF_OK)
        fail(error);
    return bytes;
}

} // namespace GifAnimation
