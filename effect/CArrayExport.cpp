// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/CArrayExport.h"

#include "effect/ImageEncoder.h"

#include <QFileInfo>

QByteArray CArrayExport::header(const EffectImage &image, ImageLayout layout, const QString &name)
{
    const QByteArray bytes = ImageEncoder::encode(image, layout);
    const qsizetype perPage = bytes.size() / EffectImage::PageCount;
    QByteArray text = "/* Made by Glimmerview: the EEPROM image, " + QByteArray::number(bytes.size())
        + (layout == ImageLayout::Bits8 ? " bytes, one a row. */\n" : " bytes, two a row. */\n");
    text += "const unsigned char " + name.toLatin1() + "[" + QByteArray::number(bytes.size()) + "] = {\n";
    for (qsizetype at = 0; at < bytes.size(); at += 16) {
        if (at % perPage == 0)
            text += "    /* page " + QByteArray::number(at / perPage + 1) + " */\n";
        text += "   ";
        for (qsizetype i = at; i < at + 16; ++i)
            text += " 0x" + QByteArray::number(static_cast<std::uint8_t>(bytes[i]), 16).rightJustified(2, '0').toUpper()
                + ",";
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
