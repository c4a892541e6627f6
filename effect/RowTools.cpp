// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/RowTools.h"

#include "effect/ImageEncoder.h"

#include <algorithm>
#include <vector>

namespace RowTools {

namespace {
    constexpr int ImageRows = RowSelection::RowCount;

    EffectImage::Page unlitPage()
    {
        EffectImage::Page page;
        page.fill(EffectImage::Off);
        return page;
    }

    EffectImage imageOf(const Pages &pages)
    {
        EffectImage image;
        for (int page = 1; page <= EffectImage::PageCount; ++page)
            image.setPage(page, pages[static_cast<std::size_t>(page - 1)]);
        return image;
    }

    // The chosen rows' LEDs in time order, and back.
    std::vector<std::uint8_t> gathered(Pages &pages, const QList<int> &rows)
    {
        std::vector<std::uint8_t> states;
        states.reserve(static_cast<std::size_t>(rows.size()) * EffectImage::ColumnCount);
        for (const int index : rows) {
            const Row leds = row(pages, index);
            states.insert(states.end(), leds.begin(), leds.end());
        }
        return states;
    }
    void scatter(Pages &pages, const QList<int> &rows, const std::vector<std::uint8_t> &states)
    {
        for (qsizetype i = 0; i < rows.size(); ++i)
            std::copy_n(states.begin() + i * EffectImage::ColumnCount, EffectImage::ColumnCount,
                row(pages, rows.at(i)).begin());
    }
} // namespace

Row row(Pages &pages, int index)
{
    return Row(pages[static_cast<std::size_t>(index / EffectImage::RowCount)].data()
            + index % EffectImage::RowCount * EffectImage::ColumnCount,
        EffectImage::ColumnCount);
}

Pages pagesOf(const EffectImage &image)
{
    Pages pages;
    for (int page = 1; page <= EffectImage::PageCount; ++page)
        pages[static_cast<std::size_t>(page - 1)] = image.page(page);
    return pages;
}

void changeAlong(Pages &pages, const QList<int> &rows, int leds, Along tool)
{
    for (const int index : rows) {
        const Row all = row(pages, index);
        const auto begin = all.begin();
        const auto end = begin + leds;
        switch (tool) {
        case Along::Clear:
            std::fill(all.begin(), all.end(), EffectImage::Off);
            break;
        case Along::Fill:
            std::fill(begin, end, EffectImage::On);
            break;
        case Along::Invert:
            std::for_each(begin, end,
                [](std::uint8_t &led) { led = led == EffectImage::On ? EffectImage::Off : EffectImage::On; });
            break;
        case Along::ShiftTowardLedOne:
        case Along::RotateTowardLedOne: {
            const std::uint8_t fallen = *(end - 1);
            std::rotate(begin, end - 1, end);
            *begin = tool == Along::RotateTowardLedOne ? fallen : EffectImage::Off;
            break;
        }
        case Along::ShiftAway:
        case Along::RotateAway: {
            const std::uint8_t fallen = *begin;
            std::rotate(begin, begin + 1, end);
            *(end - 1) = tool == Along::RotateAway ? fallen : EffectImage::Off;
            break;
        }
        case Along::Mirror:
            std::reverse(begin, end);
            break;
        }
    }
}

void shiftInTime(Pages &pages, const QList<int> &rows, bool earlier)
{
    if (rows.size() < 2)
        return;
    std::vector<std::uint8_t> states = gathered(pages, rows);
    const std::ptrdiff_t by
        = earlier ? EffectImage::ColumnCount : static_cast<std::ptrdiff_t>(states.size()) - EffectImage::ColumnCount;
    std::rotate(states.begin(), states.begin() + by, states.end());
    scatter(pages, rows, states);
}

void reverse(Pages &pages, const QList<int> &rows)
{
    QList<int> backwards(rows.rbegin(), rows.rend());
    scatter(pages, backwards, gathered(pages, rows));
}

void repeat(Pages &pages, const QList<int> &rows, int count)
{
    Q_ASSERT(count >= 1);
    const std::vector<std::uint8_t> states = gathered(pages, rows);
    std::vector<std::uint8_t> repeated = states;
    for (std::size_t i = 0; i < repeated.size(); ++i)
        repeated[i] = states[i % static_cast<std::size_t>(count * EffectImage::ColumnCount)];
    scatter(pages, rows, repeated);
}

int litLedsAtEnd(const Pages &pages, int count)
{
    const auto *all = pages.front().data();
    const auto *end = all + static_cast<std::size_t>(ImageRows) * EffectImage::ColumnCount;
    return static_cast<int>(
        std::count(end - static_cast<std::ptrdiff_t>(count) * EffectImage::ColumnCount, end, EffectImage::On));
}

void insertRows(Pages &pages, int at, int count)
{
    // The pages lie one after another in memory: 1024 rows of 16 LEDs.
    std::uint8_t *all = pages.front().data();
    std::uint8_t *end = all + static_cast<std::size_t>(ImageRows) * EffectImage::ColumnCount;
    std::uint8_t *from = all + static_cast<std::ptrdiff_t>(at) * EffectImage::ColumnCount;
    count = std::min(count, ImageRows - at);
    std::copy_backward(from, end - static_cast<std::ptrdiff_t>(count) * EffectImage::ColumnCount, end);
    std::fill_n(from, static_cast<std::ptrdiff_t>(count) * EffectImage::ColumnCount, EffectImage::Off);
}

void deleteRows(Pages &pages, const QList<int> &rows)
{
    Pages kept;
    kept.fill(unlitPage());
    int next = 0;
    for (int index = 0, chosen = 0; index < ImageRows; ++index) {
        if (chosen < rows.size() && rows.at(chosen) == index) {
            ++chosen;
            continue;
        }
        const Row from = row(pages, index);
        std::copy(from.begin(), from.end(), row(kept, next++).begin());
    }
    pages = kept;
}

void writeFrames(Pages &pages, const QList<int> &rows, const QList<Frame> &frames, int leds)
{
    for (qsizetype n = 0; n < rows.size() && n < frames.size(); ++n) {
        const Row leds16 = row(pages, rows.at(n));
        for (int i = 0; i < leds; ++i)
            leds16[static_cast<std::size_t>(leds - 1 - i)]
                = frames.at(n) & (1u << i) ? EffectImage::On : EffectImage::Off;
    }
}

EffectImage imageOfFrames(const QList<Frame> &frames, int leds)
{
    Pages pages;
    pages.fill(unlitPage());
    writeFrames(pages, RowSelection::rows(0, ImageRows - 1).list(), frames, leds);
    return imageOf(pages);
}

QByteArray bytes(const Pages &pages, const QList<int> &rows)
{
    const QByteArray all = ImageEncoder::encode(imageOf(pages), ImageLayout::Bits16);
    QByteArray chosen;
    chosen.reserve(rows.size() * 2);
    for (const int index : rows)
        chosen += all.mid(index * 2, 2);
    return chosen;
}

int paste(Pages &pages, int at, const QByteArray &bytes)
{
    QByteArray all = ImageEncoder::encode(imageOf(pages), ImageLayout::Bits16);
    const qsizetype written = std::min(bytes.size(), all.size() - at * 2);
    all.replace(at * 2, written, bytes.left(written));
    EffectImage image;
    ImageDecoder::decode(all, ImageLayout::Bits16, image);
    pages = pagesOf(image);
    return static_cast<int>((bytes.size() - written) / 2);
}

} // namespace RowTools
