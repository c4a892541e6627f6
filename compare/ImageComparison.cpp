// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "compare/ImageComparison.h"

#include "common/ColumnLabels.h"

#include <QCoreApplication>
#include <algorithm>

ImageComparison ImageComparison::of(const EffectImage &image, const EffectImage &reference)
{
    ImageComparison comparison;
    for (int page = 1; page <= EffectImage::PageCount; ++page) {
        const EffectImage::Page &mine = image.page(page);
        const EffectImage::Page &theirs = reference.page(page);
        if (mine == theirs)
            continue; // the common case, at the speed of a block compare
        for (int index = 0; index < EffectImage::LedsPerPage; ++index) {
            const auto at = static_cast<std::size_t>(index);
            // Any byte but "lit" shows as unlit, so only the lit/unlit state counts.
            if ((mine[at] == EffectImage::On) != (theirs[at] == EffectImage::On)) {
                comparison.m_leds.set(slot(page, index));
                ++comparison.m_perPage[static_cast<std::size_t>(page - 1)];
            }
        }
    }
    return comparison;
}

int ImageComparison::differingPages() const
{
    return static_cast<int>(std::count_if(m_perPage.begin(), m_perPage.end(), [](int leds) { return leds > 0; }));
}

std::optional<int> ImageComparison::nextDifferingPage(int page, bool forward) const
{
    for (int step = 1; step <= EffectImage::PageCount; ++step) {
        const int offset = forward ? step : -step;
        const int candidate
            = ((page - 1 + offset) % EffectImage::PageCount + EffectImage::PageCount) % EffectImage::PageCount + 1;
        if (differingLeds(candidate) > 0)
            return candidate;
    }
    return std::nullopt;
}

QString ImageComparison::summary(const QString &referenceName) const
{
    if (isSame())
        return QCoreApplication::translate("ImageComparison", "Same as %1").arg(referenceName);
    // One of each number is singular; both texts stay whole sentences for the translator.
    const int pages = differingPages();
    const int leds = differingLeds();
    const QString pageText = pages == 1 ? QCoreApplication::translate("ImageComparison", "1 page differs")
                                        : QCoreApplication::translate("ImageComparison", "%1 pages differ").arg(pages);
    const QString ledText = leds == 1 ? QCoreApplication::translate("ImageComparison", "1 LED")
                                      : QCoreApplication::translate("ImageComparison", "%1 LEDs").arg(leds);
    return QCoreApplication::translate("ImageComparison", "%1, %2", "pages that differ, LEDs that differ")
        .arg(pageText, ledText);
}

QStringList ImageComparison::rowReport() const
{
    QStringList lines;
    for (int page = 1; page <= EffectImage::PageCount; ++page) {
        if (differingLeds(page) == 0)
            continue;
        for (int row = 0; row < EffectImage::RowCount; ++row) {
            QList<int> columns;
            for (int column = 0; column < EffectImage::ColumnCount; ++column) {
                if (differs(page, row * EffectImage::ColumnCount + column))
                    columns << ColumnLabels::number(column);
            }
            if (columns.isEmpty())
                continue;
            std::sort(columns.begin(), columns.end());
            QStringList numbers;
            for (int column : columns)
                numbers << QString::number(column);
            lines << QCoreApplication::translate("ImageComparison", "page %1 row %2: columns %3")
                         .arg(page)
                         .arg(row + 1)
                         .arg(numbers.join(QLatin1Char(' ')));
        }
    }
    return lines;
}
