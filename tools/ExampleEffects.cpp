// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "tools/ExampleEffects.h"

#include "common/AppError.h"
#include "effect/EffectImage.h"
#include "effect/ImageEncoder.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <array>

namespace {
constexpr auto FontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr auto Message = "GLIMMERVIEW * SEE THE LIGHT BEFORE THE CHIP DOES * ";

quint16 led(int i)
{
    return static_cast<quint16>(1u << i);
}

// A small generator of our own with a fixed seed: the same sparkle on every machine.
class XorShift32
{
public:
    quint32 next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }

private:
    quint32 m_state = 0x2545F491u;
};
} // namespace

QList<ExampleEffects::Example> ExampleEffects::all()
{
    return {
        {QStringLiteral("chaser.bin"), QStringLiteral("a comet of three LEDs running left to right"),
            ImageLayout::Bits16},
        {QStringLiteral("scanner.bin"), QStringLiteral("one LED sweeping back and forth with a fading tail"),
            ImageLayout::Bits16},
        {QStringLiteral("fill-and-empty.bin"), QStringLiteral("the string fills from the left, then empties"),
            ImageLayout::Bits16},
        {QStringLiteral("text-scroll.bin"), QStringLiteral("a message, one column of its letters a frame"),
            ImageLayout::Bits16},
        {QStringLiteral("sparkle.bin"), QStringLiteral("random twinkles that fade out"), ImageLayout::Bits16},
        {QStringLiteral("dithered-bar.bin8"),
            QStringLiteral("a bar growing and shrinking on the left eight LEDs, its tip dithered"), ImageLayout::Bits8},
    };
}

QByteArray ExampleEffects::make(const Example &example)
{
    const QString &name = example.fileName;
    const Frames frames = name.startsWith(QLatin1String("chaser")) ? chaser()
        : name.startsWith(QLatin1String("scanner"))                ? scanner()
        : name.startsWith(QLatin1String("fill"))                   ? fillAndEmpty()
        : name.startsWith(QLatin1String("text"))                   ? textScroll()
        : name.startsWith(QLatin1String("sparkle"))                ? sparkle()
                                                                   : ditheredBar();
    return encoded(frames, example.layout);
}

QByteArray ExampleEffects::encoded(const Frames &frames, ImageLayout layout)
{
    EffectImage image;
    image.fillAllPagesOff();
    for (int frame = 0; frame < FrameCount; ++frame) {
        const int page = frame / EffectImage::RowCount + 1;
        const int row = frame % EffectImage::RowCount;
        for (int i = 0; i < LedCount; ++i) {
            if (frames[frame] & led(i))
                image.setSlotEntry(page, row * EffectImage::ColumnCount + i, EffectImage::On);
        }
    }
    return ImageEncoder::encode(image, layout);
}

ExampleEffects::Frames ExampleEffects::chaser()
{
    Frames frames;
    for (int frame = 0; frame < FrameCount; ++frame) {
        const int head = frame % LedCount;
        frames << static_cast<quint16>(led(head) | led((head + 15) % LedCount) | led((head + 14) % LedCount));
    }
    return frames;
}

ExampleEffects::Frames ExampleEffects::scanner()
{
    Frames frames;
    constexpr int Period = 2 * (LedCount - 1);
    for (int frame = 0; frame < FrameCount; ++frame) {
        const int step = frame % Period;
        const bool rightwards = step < LedCount - 1;
        const int position = rightwards ? step : Period - step;
        quint16 lit = led(position);
        // The LED just left glows on every other frame: half as bright.
        const int behind = rightwards ? position - 1 : position + 1;
        if (frame % 2 == 0 && behind >= 0 && behind < LedCount)
            lit |= led(behind);
        frames << lit;
    }
    return frames;
}

ExampleEffects::Frames ExampleEffects::fillAndEmpty()
{
    Frames frames;
    constexpr int Period = 2 * (LedCount + 1);
    for (int frame = 0; frame < FrameCount; ++frame) {
        const int step = frame % Period;
        quint16 lit = 0;
        if (step <= LedCount) {
            for (int i = 0; i < step; ++i) // filling from the left
                lit |= led(i);
        } else {
            for (int i = step - LedCount; i < LedCount; ++i) // going out from the left
                lit |= led(i);
        }
        frames << lit;
    }
    return frames;
}

ExampleEffects::Frames ExampleEffects::textScroll()
{
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(FontFile));
    if (id < 0)
        throw AppError(
            QStringLiteral("The font %1 is missing (Debian: fonts-dejavu-core)").arg(QLatin1String(FontFile)));
    QFont font(QFontDatabase::applicationFontFamilies(id).constFirst());
    font.setBold(true);
    font.setPixelSize(14);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    QImage text(FrameCount, LedCount, QImage::Format_Grayscale8);
    text.fill(Qt::black);
    {
        QPainter painter(&text);
        painter.setFont(font);
        painter.setPen(Qt::white);
        const QString message = QString::fromLatin1(Message);
        const int width = painter.fontMetrics().horizontalAdvance(message);
        for (int x = 0; x < FrameCount; x += width) // the message again until the frames are full
            painter.drawText(QPoint(x, 13), message);
    }
    QFontDatabase::removeApplicationFont(id);
    // Frame x shows column x of the lettering, its top row on LED 0.
    Frames frames;
    for (int x = 0; x < FrameCount; ++x) {
        quint16 lit = 0;
        for (int y = 0; y < LedCount; ++y) {
            if (qGray(text.pixel(x, y)) > 127)
                lit |= led(y);
        }
        frames << lit;
    }
    return frames;
}

ExampleEffects::Frames ExampleEffects::sparkle()
{
    XorShift32 random;
    std::array<int, LedCount> glow {}; // 0 dark .. 3 brightest
    Frames frames;
    for (int frame = 0; frame < FrameCount; ++frame) {
        quint16 lit = 0;
        for (int i = 0; i < LedCount; ++i) {
            if (random.next() % 12 == 0)
                glow[static_cast<std::size_t>(i)] = 3;
            const int level = glow[static_cast<std::size_t>(i)];
            // Brightness by how often it is lit: always, every other frame, every fourth.
            if (level == 3 || (level == 2 && frame % 2 == 0) || (level == 1 && frame % 4 == 0))
                lit |= led(i);
            if (frame % 2 == 1 && level > 0)
                --glow[static_cast<std::size_t>(i)];
        }
        frames << lit;
    }
    return frames;
}

ExampleEffects::Frames ExampleEffects::ditheredBar()
{
    constexpr int Leds = 8; // the 8-bit layout shows the left half only
    constexpr int Steps = Leds * 4; // quarter-LED steps up, then down
    constexpr std::array<int, 4> Order {0, 2, 1, 3}; // which quarter of four frames lights the tip
    Frames frames;
    for (int frame = 0; frame < FrameCount; ++frame) {
        const int step = frame % (2 * Steps);
        const int level = step <= Steps ? step : 2 * Steps - step; // in quarters of an LED
        quint16 lit = 0;
        for (int i = 0; i < level / 4; ++i)
            lit |= led(i);
        if (level % 4 > Order[static_cast<std::size_t>(frame % 4)] && level / 4 < Leds)
            lit |= led(level / 4);
        frames << lit;
    }
    return frames;
}
