// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "generate/Generators.h"

#include "common/AppError.h"
#include "common/DecimalText.h"

#include <QCoreApplication>
#include <QHash>
#include <array>
#include <cstdint>

namespace Generators {

namespace {
    constexpr int FrameCount = EffectImage::PageCount * EffectImage::RowCount;
    using Frame = std::uint16_t; // bit i: LED i + 1, counted from the string's LED 1 end

    QString tr(const char *text)
    {
        return QCoreApplication::translate("Generators", text);
    }

    // The settings as given, checked against the kind's names; each read once and within its range.
    class Settings
    {
    public:
        Settings(const Kind &kind, const QStringList &given)
            : m_kind(kind)
        {
            for (const auto &[name, value] : kind.settings)
                m_values.insert(QString::fromLatin1(name), QString::fromLatin1(value));
            QStringList seen;
            for (const QString &setting : given) {
                const qsizetype equals = setting.indexOf(QLatin1Char('='));
                const QString name = setting.left(equals);
                if (equals < 0 || !m_values.contains(name) || seen.contains(name)) {
                    if (kind.settings.isEmpty())
                        throw AppError(
                            tr("\"%1\": %2 takes no settings.").arg(setting, QString::fromLatin1(kind.name)));
                    throw AppError(tr("\"%1\": %2 takes %3, each once as NAME=VALUE.")
                                       .arg(setting, QString::fromLatin1(kind.name), names()));
                }
                seen << name;
                m_values[name] = setting.mid(equals + 1);
            }
        }
        int number(const char *name, int least, int most) const
        {
            const QString text = m_values.value(QString::fromLatin1(name));
            const std::optional<std::int32_t> value = DecimalText::parse(text);
            if (!value || *value < least || *value > most) {
                throw AppError(tr("%1=%2: a whole number from %3 to %4 is needed.")
                                   .arg(QString::fromLatin1(name), text)
                                   .arg(least)
                                   .arg(most));
            }
            return *value;
        }
        QString choice(const char *name, const QStringList &choices) const
        {
            const QString text = m_values.value(QString::fromLatin1(name));
            if (!choices.contains(text)) {
                throw AppError(tr("%1=%2: one of %3 is needed.")
                                   .arg(QString::fromLatin1(name), text, choices.join(QStringLiteral(", "))));
            }
            return text;
        }

    private:
        QString names() const
        {
            QStringList list;
            for (const auto &[name, value] : m_kind.settings)
                list << QString::fromLatin1(name);
            return list.join(QStringLiteral(", "));
        }

        const Kind &m_kind;
        QHash<QString, QString> m_values;
    };

    using Frames = std::array<Frame, FrameCount>;

    Frame allLit(int leds)
    {
        return static_cast<Frame>((1u << leds) - 1);
    }

    // A lit block running along the string, wrapping or bouncing, with the LEDs it left lit a while.
    Frames chase(const Settings &settings, int leds)
    {
        const int width = settings.number("width", 1, leds);
        const int tail = settings.number("tail", 0, FrameCount);
        const bool bounce = settings.number("bounce", 0, 1) == 1;
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
        const bool middle
            = settings.choice("from", {QStringLiteral("end"), QStringLiteral("middle")}) == QLatin1String("middle");
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
        const int density = settings.number("density", 0, 100);
        std::uint32_t state = static_cast<std::uint32_t>(settings.number("seed", 0, 1 << 30)) * 2654435761u + 1;
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
        const QString pattern = settings.choice("pattern",
            {QStringLiteral("all"), QStringLiteral("walk"), QStringLiteral("alternate"), QStringLiteral("pages")});
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

    using Maker = Frames (*)(const Settings &, int);
    const std::pair<const char *, Maker> Makers[]
        = {{"chase", chase}, {"fill", fill}, {"sparkle", sparkle}, {"counter", counter}, {"test", testPattern}};
} // namespace

const QList<Kind> &kinds()
{
    static const QList<Kind> table {
        {"chase", QT_TRANSLATE_NOOP("Generators", "a lit block runs along the string, one LED a row"),
            {{"width", "1"}, {"tail", "0"}, {"bounce", "0"}}},
        {"fill", QT_TRANSLATE_NOOP("Generators", "the string fills LED by LED, then empties"), {{"from", "end"}}},
        {"sparkle", QT_TRANSLATE_NOOP("Generators", "random LEDs at a density in percent, the same for a seed"),
            {{"density", "20"}, {"seed", "1"}}},
        {"counter", QT_TRANSLATE_NOOP("Generators", "each row its number in binary"), {}},
        {"test", QT_TRANSLATE_NOOP("Generators", "all, walk, alternate or pages: patterns that find faults"),
            {{"pattern", "walk"}}},
    };
    return table;
}

QString kindsText()
{
    QStringList parts;
    for (const Kind &kind : kinds()) {
        QStringList settings;
        for (const auto &[name, value] : kind.settings)
            settings << QStringLiteral("%1=%2").arg(QString::fromLatin1(name), QString::fromLatin1(value));
        parts << QStringLiteral("%1%2 (%3)")
                     .arg(QString::fromLatin1(kind.name),
                         settings.isEmpty() ? QString() : QLatin1Char(' ') + settings.join(QLatin1Char(' ')),
                         tr(kind.what));
    }
    return parts.join(QStringLiteral("; "));
}

EffectImage make(const QString &kind, const QStringList &settings, int leds)
{
    for (const Kind &known : kinds()) {
        if (kind != QLatin1String(known.name))
            continue;
        const Settings checked(known, settings);
        Frames frames {};
        for (const auto &[name, maker] : Makers) {
            if (kind == QLatin1String(name))
                frames = maker(checked, leds);
        }
        // Frame bit i is LED i + 1; LED 1 is the string's last column.
        EffectImage image;
        image.fillAllPagesOff();
        for (int f = 0; f < FrameCount; ++f) {
            for (int i = 0; i < leds; ++i) {
                if (frames[static_cast<std::size_t>(f)] & (1u << i)) {
                    image.setSlotEntry(f / EffectImage::RowCount + 1,
                        f % EffectImage::RowCount * EffectImage::ColumnCount + (leds - 1 - i), EffectImage::On);
                }
            }
        }
        return image;
    }
    QStringList names;
    for (const Kind &known : kinds())
        names << QString::fromLatin1(known.name);
    throw AppError(tr("\"%1\" is no kind of effect: one of %2.").arg(kind, names.join(QStringLiteral(", "))));
}

} // namespace Generators
