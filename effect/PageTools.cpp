// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/PageTools.h"

#include <algorithm>

#include "effect/ImageDecoder.h"
#include "effect/ImageEncoder.h"

#include <QRegularExpression>

EffectImage::Page PageTools::cleared()
{
    EffectImage::Page page;
    page.fill(EffectImage::Off);
    return page;
}

EffectImage::Page PageTools::filled()
{
    EffectImage::Page page;
    page.fill(EffectImage::On);
    return page;
}

EffectImage::Page PageTools::inverted(const EffectImage::Page &page)
{
    EffectImage::Page result;
    for (std::size_t i = 0; i < page.size(); ++i)
        result[i] = page[i] == EffectImage::On ? EffectImage::Off : EffectImage::On;
    return result;
}

namespace {
using Row = std::array<std::uint8_t, EffectImage::ColumnCount>;

// Each row of `page` made anew by `change`, which sees the first `leds` columns.
template<typename Change>
EffectImage::Page eachRow(const EffectImage::Page &page, int leds, Change change)
{
    EffectImage::Page result = page;
    for (int row = 0; row < EffectImage::RowCount; ++row) {
        const auto first = result.begin() + row * EffectImage::ColumnCount;
        change(first, first + leds);
    }
    return result;
}
} // namespace

EffectImage::Page PageTools::shiftedAlong(const EffectImage::Page &page, int leds, bool towardLedOne, bool wrap)
{
    // LED 1 is the rightmost column: toward it is toward the row's end.
    return eachRow(page, leds, [&](auto begin, auto end) {
        if (towardLedOne) {
            const std::uint8_t fallen = *(end - 1);
            std::rotate(begin, end - 1, end);
            *begin = wrap ? fallen : EffectImage::Off;
        } else {
            const std::uint8_t fallen = *begin;
            std::rotate(begin, begin + 1, end);
            *(end - 1) = wrap ? fallen : EffectImage::Off;
        }
    });
}

EffectImage::Page PageTools::mirrored(const EffectImage::Page &page, int leds)
{
    return eachRow(page, leds, [](auto begin, auto end) { std::reverse(begin, end); });
}

EffectImage::Page PageTools::shiftedInTime(const EffectImage::Page &page, bool earlier)
{
    EffectImage::Page result = page;
    const auto rowStart = [&result](int row) { return result.begin() + row * EffectImage::ColumnCount; };
    if (earlier)
        std::rotate(result.begin(), rowStart(1), result.end());
    else
        std::rotate(result.begin(), rowStart(EffectImage::RowCount - 1), result.end());
    return result;
}

EffectImage::Page PageTools::reversedInTime(const EffectImage::Page &page)
{
    EffectImage::Page result = page;
    for (int row = 0; row < EffectImage::RowCount / 2; ++row) {
        std::swap_ranges(result.begin() + row * EffectImage::ColumnCount,
            result.begin() + (row + 1) * EffectImage::ColumnCount,
            result.begin() + (EffectImage::RowCount - 1 - row) * EffectImage::ColumnCount);
    }
    return result;
}

QByteArray PageTools::bytes(const EffectImage::Page &page)
{
    EffectImage image;
    image.setPage(1, page);
    return ImageEncoder::encode(image, ImageLayout::Bits16).left(ByteCount);
}

EffectImage::Page PageTools::fromBytes(const QByteArray &bytes)
{
    Q_ASSERT(bytes.size() == ByteCount);
    EffectImage image;
    ImageDecoder::decode(bytes, ImageLayout::Bits16, image); // the pages after the first: erased
    return image.page(1);
}

QString PageTools::hexText(const QByteArray &bytes)
{
    QStringList parts;
    for (const char byte : bytes)
        parts << QStringLiteral("0x")
                + QStringLiteral("%1").arg(static_cast<std::uint8_t>(byte), 2, 16, QLatin1Char('0')).toUpper();
    return parts.join(QLatin1String(", "));
}

std::optional<QByteArray> PageTools::parseHex(const QString &text)
{
    static const QRegularExpression prefixed(QStringLiteral("0[xX]([0-9A-Fa-f]{1,2})(?![0-9A-Fa-f])"));
    static const QRegularExpression separators(QStringLiteral("^[\\s,;{}]*$"));
    // Comments, as a C source or the program's own export holds them, say nothing of the bytes.
    static const QRegularExpression comments(
        QStringLiteral("/\\*.*?\\*/|//[^\\n]*"), QRegularExpression::DotMatchesEverythingOption);
    const QString code = QString(text).replace(comments, QStringLiteral(" "));
    QString digits;
    if (code.contains(QLatin1String("0x"), Qt::CaseInsensitive)) {
        // Every byte with its prefix; nothing but separators between them.
        QString rest = code;
        rest.remove(prefixed);
        if (!separators.match(rest).hasMatch())
            return std::nullopt;
        for (const QRegularExpressionMatch &match : prefixed.globalMatch(code))
            digits += match.captured(1).rightJustified(2, QLatin1Char('0'));
    } else {
        digits = code;
        digits.remove(QRegularExpression(QStringLiteral("\\s")));
        if (digits.contains(QRegularExpression(QStringLiteral("[^0-9A-Fa-f]"))))
            return std::nullopt;
    }
    if (digits.size() != 2 * ByteCount)
        return std::nullopt;
    return QByteArray::fromHex(digits.toLatin1());
}
