// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/CArrayExport.h"

#include "effect/ImageEncoder.h"

#include <QFileInfo>

QByteArray CArrayExport::header(
    const EffectImage &image, ImageLayout layout, const QString &name, CArrayOptions options)
{
    Q_ASSERT(!options.words || layout == ImageLayout::Bits16);
    QByteArray bytes = ImageEncoder::encode(image, layout);
    if (options.leftmostInHighBit) {
        for (char &byte : bytes) {
            std::uint8_t reversed = 0;
            for (int bit = 0; bit < 8; ++bit)
                reversed |= static_cast<std::uint8_t>(((static_cast<std::uint8_t>(byte) >> bit) & 1) << (7 - bit));
            byte = static_cast<char>(reversed);
        }
    }
    const int size = options.words ? 2 : 1;
    const qsizetype values = bytes.size() / size;
    const qsizetype perPage = values / EffectImage::PageCount;
    const qsizetype perLine = 16 / size;
    QByteArray text = "/* Made by Glimmerview: the EEPROM image, " + QByteArray::number(bytes.size())
        + (layout == ImageLayout::Bits8 ? " bytes, one a row. */\n" : " bytes, two a row. */\n");
    if (options.progmem)
        text += "#include <avr/pgmspace.h>\n";
    text += (options.words ? "const unsigned short " : "const unsigned char ") + name.toLatin1() + "["
        + QByteArray::number(values) + "]" + (options.progmem ? " PROGMEM" : "") + " = {\n";
    for (qsizetype at = 0; at < values; at += perLine) {
        if (at % perPage == 0)
            text += "    /* page " + QByteArray::number(at / perPage + 1) + " */\n";
        text += "   ";
        for (qsizetype i = at; i < at + perLine; ++i) {
            unsigned value = static_cast<std::uint8_t>(bytes[i * size]);
            if (options.words)
                value |= static_cast<unsigned>(static_cast<std::uint8_t>(bytes[i * size + 1])) << 8;
            text += " 0x" + QByteArray::number(value, 16).rightJustified(2 * size, '0').toUpper() + ",";
        }
        text += "\n";
    }
    text += "};\n";
    return text;
}

QString CArrayExport::identifierFor(const QString &path)
{
    QString name = QFileInfo(path).completeBaseName();
    for (QChar &c : name) {
        const bool allowed = (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            || c == QLatin1Char('_');
        if (!allowed)
            c = QLatin1Char('_');
    }
    // C's keywords, and names with a leading underscore (reserved to the compiler and its
    // library), are no names of ours.
    static const QStringList keywords = QStringLiteral(
        "auto break case char const continue default do double else enum extern float for goto if inline int long "
        "register restrict return short signed sizeof static struct switch typedef union unsigned void volatile while "
        "alignas alignof bool constexpr false nullptr static_assert thread_local true typeof typeof_unqual")
                                            .split(QLatin1Char(' '));
    if (name.isEmpty() || name.front().isDigit() || keywords.contains(name))
        name.prepend(QStringLiteral("effect_"));
    else if (name.front() == QLatin1Char('_'))
        name.prepend(QStringLiteral("effect"));
    return name;
}
