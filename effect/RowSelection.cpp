// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "effect/RowSelection.h"

#include "common/PageRanges.h"

#include <QCoreApplication>
#include <algorithm>

RowSelection RowSelection::rows(int first, int last)
{
    RowSelection selection;
    for (int row = std::min(first, last); row <= std::max(first, last); ++row)
        selection.m_rows.set(static_cast<std::size_t>(row));
    return selection;
}

RowSelection RowSelection::pages(int first, int last)
{
    return rows((std::min(first, last) - 1) * EffectImage::RowCount, std::max(first, last) * EffectImage::RowCount - 1);
}

bool RowSelection::holdsPage(int page) const
{
    for (int row = 0; row < EffectImage::RowCount; ++row) {
        if (!contains((page - 1) * EffectImage::RowCount + row))
            return false;
    }
    return true;
}

QList<int> RowSelection::list() const
{
    QList<int> chosen;
    for (int row = 0; row < RowCount; ++row) {
        if (contains(row))
            chosen << row;
    }
    return chosen;
}

void RowSelection::toggle(const RowSelection &other)
{
    if ((m_rows & other.m_rows) == other.m_rows)
        m_rows &= ~other.m_rows;
    else
        m_rows |= other.m_rows;
}

QString RowSelection::text() const
{
    QList<int> pages;
    bool wholePages = true;
    for (int page = 1; page <= EffectImage::PageCount && wholePages; ++page) {
        const bool any = (m_rows >> ((page - 1) * EffectImage::RowCount) & std::bitset<RowCount>(0xFFFF)).any();
        if (holdsPage(page))
            pages << page;
        else if (any)
            wholePages = false;
    }
    if (wholePages)
        return QCoreApplication::translate("RowSelection", "pages %1").arg(PageRanges::text(pages));
    QList<int> rows = list();
    for (int &row : rows)
        ++row;
    return QCoreApplication::translate("RowSelection", "rows %1").arg(PageRanges::text(rows));
}
