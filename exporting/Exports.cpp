// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "exporting/Exports.h"

#include "common/AppError.h"
#include "common/ColourSettings.h"
#include "effect/CArrayExport.h"
#include "effect/ImageEncoder.h"
#include "exporting/GifAnimation.h"
#include "exporting/ProgrammerFiles.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace Exports {

namespace {
    QString tr(const char *text)
    {
        return QCoreApplication::translate("Exports", text);
    }
    // `letters` (r, g, b or y for each column from the left) over `colours`; none: `colours`.
    ColourSettings chosenColours(const QString &letters, const ColourSettings &colours)
    {
        if (letters.isEmpty())
            return colours;
        static const QString Codes = QStringLiteral("rgby"); // ColourSettings::Red .. Yellow
        const auto wrong = [&letters] {
            return AppError(
                tr("colours=%1: 16 letters are needed, r, g, b or y for each column from the left.").arg(letters));
        };
        if (letters.size() != ColourSettings::ColumnCount)
            throw wrong();
        ColourSettings chosen = colours;
        for (int column = 1; column <= ColourSettings::ColumnCount; ++column) {
            const qsizetype code = Codes.indexOf(letters.at(column - 1).toLower());
            if (code < 0)
                throw wrong();
            chosen.setEntry(column, static_cast<std::uint8_t>(code + 1));
        }
        return chosen;
    }
} // namespace

const QList<Kind> &kinds()
{
    static const QList<Kind> table {
        {"gif", QT_TRANSLATE_NOOP("Exports", "an animated GIF of the string as it plays, a frame a row"),
            {{"rate", QT_TRANSLATE_NOOP("Exports", "Rows a second"), "10", 1, 20},
                {"colours", QT_TRANSLATE_NOOP("Exports", "Column colours (r, g, b or y each)"), ""}}},
        {"gif-pages", QT_TRANSLATE_NOOP("Exports", "an animated GIF of the matrix, a frame a page"),
            {{"rate", QT_TRANSLATE_NOOP("Exports", "Rows a second"), "10", 1, 20},
                {"colours", QT_TRANSLATE_NOOP("Exports", "Column colours (r, g, b or y each)"), ""}}},
        {"hex", QT_TRANSLATE_NOOP("Exports", "Intel HEX for universal programmers"), {}},
        {"srec", QT_TRANSLATE_NOOP("Exports", "Motorola S-record for universal programmers"), {}},
        {"c", QT_TRANSLATE_NOOP("Exports", "a C array for firmware"),
            {{"values", QT_TRANSLATE_NOOP("Exports", "Values"), "bytes", 0, 0, "bytes|words"},
                {"leftmost", QT_TRANSLATE_NOOP("Exports", "The leftmost LED in a byte's"), "bit0", 0, 0, "bit0|bit7"},
                {"progmem", QT_TRANSLATE_NOOP("Exports", "In an AVR's flash (PROGMEM)"), "0", 0, 1}}},
    };
    return table;
}

QString kindsText()
{
    return ::kindsText(kinds(), "Exports");
}

QByteArray make(const QString &kind, const EffectImage &image, ImageLayout layout, const QStringList &given,
    const ColourSettings &colours, const QString &path)
{
    const int leds = layout == ImageLayout::Bits8 ? EffectImage::ColumnCount / 2 : EffectImage::ColumnCount;
    const Kind &known = kindNamed(kinds(), kind, tr("export"));
    const NamedSettings settings(known.name, known.settings, given, leds);
    if (kind.startsWith(QLatin1String("gif"))) {
        return GifAnimation::make(image, leds, chosenColours(settings.text("colours"), colours),
            settings.number("rate"),
            kind == QLatin1String("gif") ? GifAnimation::Kind::Rows : GifAnimation::Kind::Pages);
    }
    const QByteArray bytes = ImageEncoder::encode(image, layout);
    if (kind == QLatin1String("hex"))
        return ProgrammerFiles::intelHex(bytes);
    if (kind == QLatin1String("srec"))
        return ProgrammerFiles::sRecord(bytes, QFileInfo(path).fileName().toLatin1());
    CArrayOptions options;
    options.words = settings.choice("values") == QLatin1String("words");
    options.leftmostInHighBit = settings.choice("leftmost") == QLatin1String("bit7");
    options.progmem = settings.number("progmem") == 1;
    if (options.words && layout == ImageLayout::Bits8)
        throw AppError(tr("values=words: the 8-LED layout holds a byte a row, not a word."));
    return CArrayExport::header(image, layout, CArrayExport::identifierFor(path), options);
}

} // namespace Exports
