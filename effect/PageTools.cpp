// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/PageTools.h"

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
    // Whole rows of the image: two bytes each, up to all 1024.
    if (digits.isEmpty() || digits.size() % 4 != 0 || digits.size() > 4 * 1024)
        return std::nullopt;
    return QByteArray::fromHex(digits.toLatin1());
}
