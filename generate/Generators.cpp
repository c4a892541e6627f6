// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "generate/Generators.h"

#include "common/AppError.h"
#include "common/NamedSettings.h"

#include "generate/PixelFont.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdint>

namespace Generators {

namespace {
    constexpr int FrameCount = EffectImage::PageCount * EffectImage::RowCount;

    QString tr(const char *text)
    {
        return QCoreApplication::translate("Generators", text);
    }

    using Settings = NamedSettings;

    using Frames = std::array<Frame, FrameCount>;

    Frame allLit(int leds)
    {
        return static_cast<Frame>((1u << leds) - 1);
    }

    // A lit block running along the string, wrapping or bouncing, with the LEDs it left lit a while.
    Frames chase(const Settings &settings, int leds)
    {
        const int width = settings.number("width");
        const int tail = settings.number("tail");
        const bool bounce = settings.number("bounce") == 1;
        const int span = leds - width; // the block's first LED runs 0..span when bouncing
        Frames blocks {};
        for (int f = 0; f < FrameCount; ++f) {
            const int turn = span == 0 ? 0 : f % (2 * span);
            const int first = bounce ? (turn <= span ? turn : 2 * span - turn) : f % leds;
            for (int i = 0; i < width; ++i)
                blocks[static_cast<std::size_t>(f)] |= static_cast<Frame>(1u << ((first + i) % leds));
        }
        Frames frames {};
        for (int f = 0; f < FrameCount; ++f) {
            for (int back = 0; back <= tail && back <= f; ++back)
                frames[static_cast<std::size_t>(f)] |= blocks[static_cast<std::size_t>(f - back)];
        }
        return frames;
    }

    // The string filling LED by LED (from LED 1's end, or from the middle out), then emptying.
    Frames fill(const Settings &settings, int leds)
    {
        const bool middle = settings.choice("from") == QLatin1String("middle");
        // The order the LEDs light in.
        QList<int> order;
        for (int i = 0; i < leds; ++i)
            order << (middle ? (i % 2 == 0 ? leds / 2 + i / 2 : leds / 2 - 1 - i / 2) : i);
        Frames frames {};
        for (int f = 0; f < FrameCount; ++f) {
            const int step = f % (2 * leds);
            const int lit = step < leds ? step + 1 : 2 * leds - step - 1; // up to all, then down to none
            for (int i = 0; i < lit; ++i)
                frames[static_cast<std::size_t>(f)] |= static_cast<Frame>(1u << order.at(i));
        }
        return frames;
    }

    // Random LEDs at a density, the same for the same seed.
    Frames sparkle(const Settings &settings, int leds)
    {
        const int density = settings.number("density");
        std::uint32_t state = static_cast<std::uint32_t>(settings.number("seed")) * 2654435761u + 1;
        Frames frames {};
        for (Frame &frame : frames) {
            for (int i = 0; i < leds; ++i) {
                state ^= state << 13; // xorshift32: a fixed sequence, not the C library's
                state ^= state >> 17;
                state ^= state << 5;
                if (static_cast<int>(state % 100) < density)
                    frame |= static_cast<Frame>(1u << i);
            }
        }
        return frames;
    }

    // Each row its own number in binary, LED 1 the lowest bit.
    Frames counter(const Settings &, int leds)
    {
        Frames frames {};
        for (int f = 0; f < FrameCount; ++f)
            frames[static_cast<std::size_t>(f)] = static_cast<Frame>(f) & allLit(leds);
        return frames;
    }

    // Patterns that find a dead LED, swapped wires or a stuck address line when the chip plays.
    Frames testPattern(const Settings &settings, int leds)
    {
        const QString pattern = settings.choice("pattern");
        Frames frames {};
        for (int f = 0; f < FrameCount; ++f) {
            Frame &frame = frames[static_cast<std::size_t>(f)];
            if (pattern == QLatin1String("all"))
                frame = allLit(leds);
            else if (pattern == QLatin1String("walk"))
                frame = static_cast<Frame>(1u << (f % leds));
            else if (pattern == QLatin1String("alternate"))
                frame = (f % 2 == 0 ? 0x5555 : 0xAAAA) & allLit(leds);
            else // each row of a page shows the page's number: an address line stuck shows at once
                frame = static_cast<Frame>(f / EffectImage::RowCount + 1) & allLit(leds);
        }
        return frames;
    }

    // The text's columns as a string of `leds` LEDs shows them, the glyphs' top at the string's
    // left end: our pixel font (doubled for 16 LEDs), or an installed font drawn without smoothing.
    QList<Frame> textColumns(const QString &text, const QString &font, int leds)
    {
        QList<Frame> columns;
        if (font == QLatin1String("pixel")) {
            const int scale = leds / PixelFont::Height;
            for (const std::uint8_t column : PixelFont::columns(text)) {
                Frame frame = 0;
                for (int y = 0; y < PixelFont::Height; ++y) {
                    for (int copy = 0; column & (1u << y) && copy < scale; ++copy)
                        frame |= static_cast<Frame>(1u << (leds - 1 - (y * scale + copy)));
                }
                columns.insert(columns.size(), scale, frame);
            }
            return columns;
        }
        if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            throw AppError(tr("font=%1: installed fonts are drawn in the window; here, font=pixel.").arg(font));
        QFont drawn(font);
        drawn.setPixelSize(leds);
        drawn.setStyleStrategy(QFont::NoAntialias);
        const int width = std::max(1, QFontMetrics(drawn).horizontalAdvance(text));
        QImage picture(width, leds, QImage::Format_Grayscale8);
        picture.fill(Qt::black);
        QPainter painter(&picture);
        painter.setFont(drawn);
        painter.setPen(Qt::white);
        painter.drawText(picture.rect(), Qt::AlignLeft | Qt::AlignVCenter, text);
        painter.end();
        for (int x = 0; x < width; ++x) {
            Frame frame = 0;
            for (int y = 0; y < leds; ++y) {
                if (picture.constScanLine(y)[x] >= 128)
                    frame |= static_cast<Frame>(1u << (leds - 1 - y));
            }
            columns << frame;
        }
        return columns << 0;
    }

    // A text scrolling through the string, a column of its glyphs every `speed` rows, repeated
    // after a gap.
    Frames text(const Settings &settings, int leds)
    {
        const int speed = settings.number("speed");
        const int gap = settings.number("gap");
        const bool inverted = settings.number("invert") == 1;
        QList<Frame> columns = textColumns(settings.text("text"), settings.text("font"), leds);
        columns.insert(columns.size(), gap, Frame {0});
        Frames frames {};
        for (int f = 0; f < FrameCount && !columns.isEmpty(); ++f) {
            const Frame column = columns.at(f / speed % columns.size());
            frames[static_cast<std::size_t>(f)] = inverted ? static_cast<Frame>(~column & allLit(leds)) : column;
        }
        return frames;
    }

    using Maker = Frames (*)(const Settings &, int);
    const std::pair<const char *, Maker> Makers[] = {{"text", text}, {"chase", chase}, {"fill", fill},
        {"sparkle", sparkle}, {"counter", counter}, {"test", testPattern}};
} // namespace

const QList<Kind> &kinds()
{
    static const QList<Kind> table {
        {"text", QT_TRANSLATE_NOOP("Generators", "a text scrolls through the string, a column of its glyphs a row"),
            {{"text", QT_TRANSLATE_NOOP("Generators", "Text"), "HELLO"},
                {"font", QT_TRANSLATE_NOOP("Generators", "Font"), "pixel"},
                {"speed", QT_TRANSLATE_NOOP("Generators", "Rows a column"), "1", 1, 64},
                {"gap", QT_TRANSLATE_NOOP("Generators", "Gap between repeats (columns)"), "8", 0, 256},
                {"invert", QT_TRANSLATE_NOOP("Generators", "Inverted"), "0", 0, 1}}},
        {"chase", QT_TRANSLATE_NOOP("Generators", "a lit block runs along the string, one LED a row"),
            {{"width", QT_TRANSLATE_NOOP("Generators", "Width (LEDs)"), "1", 1, Setting::StringLeds},
                {"tail", QT_TRANSLATE_NOOP("Generators", "Tail (rows)"), "0", 0, FrameCount},
                {"bounce", QT_TRANSLATE_NOOP("Generators", "Bounce"), "0", 0, 1}}},
        {"fill", QT_TRANSLATE_NOOP("Generators", "the string fills LED by LED, then empties"),
            {{"from", QT_TRANSLATE_NOOP("Generators", "From"), "end", 0, 0, "end|middle"}}},
        {"sparkle", QT_TRANSLATE_NOOP("Generators", "random LEDs at a density in percent, the same for a seed"),
            {{"density", QT_TRANSLATE_NOOP("Generators", "Density (%)"), "20", 0, 100},
                {"seed", QT_TRANSLATE_NOOP("Generators", "Seed"), "1", 0, 1 << 30}}},
        {"counter", QT_TRANSLATE_NOOP("Generators", "each row its number in binary"), {}},
        {"test", QT_TRANSLATE_NOOP("Generators", "all, walk, alternate or pages: patterns that find faults"),
            {{"pattern", QT_TRANSLATE_NOOP("Generators", "Pattern"), "walk", 0, 0, "all|walk|alternate|pages"}}},
    };
    return table;
}

QString kindsText()
{
    return ::kindsText(kinds(), "Generators");
}

QList<Frame> frames(const QString &kind, const QStringList &settings, int leds)
{
    const Kind &known = kindNamed(kinds(), kind, tr("effect"));
    const Settings checked(known.name, known.settings, settings, leds);
    const auto maker = std::find_if(std::begin(Makers), std::end(Makers),
        [&kind](const auto &entry) { return kind == QLatin1String(entry.first); });
    const Frames made = maker->second(checked, leds); // every kind of the table has its maker
    return QList<Frame>(made.begin(), made.end());
}

EffectImage make(const QString &kind, const QStringList &settings, int leds)
{
    return RowTools::imageOfFrames(frames(kind, settings, leds), leds);
}

} // namespace Generators
