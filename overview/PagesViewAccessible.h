// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "widgets/AccessibleLeaf.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <array>

class PagesView;

// The overview's pages as assistive technology sees them: a list of 64 items, each named
// "Page n" and described by its number of lit LEDs.
class PagesViewAccessible : public QAccessibleWidget
{
public:
    explicit PagesViewAccessible(PagesView *view);
    ~PagesViewAccessible() override;

    static void installFactory();

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    PagesView *view() const;
    // Made when first asked for, then registered with Qt's accessibility and kept.
    mutable std::array<QAccessibleInterface *, 64> m_pages {};
    mutable std::array<QAccessible::Id, 64> m_pageIds {};
};

// One page of the overview; it has no object of its own, so it reaches its view through the list.
class PageItemAccessible : public AccessibleLeaf
{
public:
    PageItemAccessible(PagesView *view, int page);

    bool isValid() const override { return !m_view.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    int page() const { return m_page; }

private:
    QPointer<PagesView> m_view;
    int m_page;
};
