// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/EffectImage.h"

#include <QList>
#include <QString>
#include <bitset>

// Rows of the effect chosen for the tools: any of the 1024, in time order. Rows are counted
// from 0 (page 1's first row); pages from 1. Empty: the tools act on the shown page.
class RowSelection
{
public:
    static constexpr int RowCount = EffectImage::PageCount * EffectImage::RowCount;

    // The rows from `first` to `last`, in either order (each 0..RowCount-1).
    static RowSelection rows(int first, int last);
    // The pages from `first` to `last`, in either order (each 1..PageCount).
    static RowSelection pages(int first, int last);

    bool isEmpty() const { return m_rows.none(); }
    int count() const { return static_cast<int>(m_rows.count()); }
    bool contains(int row) const { return m_rows.test(static_cast<std::size_t>(row)); }
    // Whether every row of `page` is chosen.
    bool holdsPage(int page) const;
    // The chosen rows, ascending.
    QList<int> list() const;
    // `other`'s rows are chosen too; any that all of it held already are let go (Ctrl+click).
    void toggle(const RowSelection &other);

    // "pages 2–4, 7" when whole pages are chosen, else "rows 17–40" (rows counted from 1).
    QString text() const;

    bool operator==(const RowSelection &) const = default;

private:
    std::bitset<RowCount> m_rows;
};
