// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chip/ChipGeometry.h"

#include <QByteArray>
#include <algorithm>

namespace ChipGeometry {

QList<Span> readChunks(int offset, int length, int maxChunk)
{
    QList<Span> chunks;
    const int end = offset + length;
    while (offset < end) {
        const int blockEnd = (offset / BlockSize + 1) * BlockSize;
        const int piece = std::min({end, blockEnd, offset + maxChunk}) - offset;
        chunks.append({offset, piece});
        offset += piece;
    }
    return chunks;
}

QList<int> differingPages(const QByteArray &a, const QByteArray &b)
{
    QList<int> pages;
    const qsizetype size = std::min(a.size(), b.size());
    for (qsizetype start = 0; start < size; start += PageSize) {
        if (a.mid(start, PageSize) != b.mid(start, PageSize))
            pages.append(static_cast<int>(start / PageSize));
    }
    return pages;
}

QList<int> effectPagesOf(const QList<int> &chipPages, int chipSize)
{
    const int chipPagesPerEffectPage = chipSize / (64 * PageSize); // 2 or 1
    QList<int> pages;
    for (const int chipPage : chipPages) {
        const int page = chipPage / chipPagesPerEffectPage + 1;
        if (pages.isEmpty() || pages.last() != page)
            pages.append(page);
    }
    return pages;
}

} // namespace ChipGeometry
