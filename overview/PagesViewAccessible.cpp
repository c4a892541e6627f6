// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "overview/PagesViewAccessible.h"

#include "effect/EffectImage.h"
#include "overview/PagesView.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
QAccessibleInterface *createInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("PagesView"))
        return new PagesViewAccessible(static_cast<PagesView *>(object));
    return nullptr;
}
} // namespace

PagesViewAccessible::PagesViewAccessible(PagesView *view)
    : QAccessibleWidget(view, QAccessible::List)
{
}

PagesViewAccessible::~PagesViewAccessible()
{
    // By the ids they were given: one Qt has let go already (at its own end) is not asked about.
    for (std::size_t index = 0; index < m_pages.size(); ++index) {
        if (m_pages[index] && QAccessible::accessibleInterface(m_pageIds[index]) == m_pages[index])
            QAccessible::deleteAccessibleInterface(m_pageIds[index]);
    }
}

void PagesViewAccessible::installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(&createInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

PagesView *PagesViewAccessible::view() const
{
    return static_cast<PagesView *>(widget());
}

int PagesViewAccessible::childCount() const
{
    return EffectImage::PageCount;
}

QAccessibleInterface *PagesViewAccessible::child(int index) const
{
    if (index < 0 || index >= EffectImage::PageCount)
        return nullptr;
    QAccessibleInterface *&page = m_pages[static_cast<std::size_t>(index)];
    if (!page) {
        page = new PageItemAccessible(view(), index + 1);
        m_pageIds[static_cast<std::size_t>(index)] = QAccessible::registerAccessibleInterface(page); // Qt keeps it
    }
    return page;
}

int PagesViewAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto found = std::find(m_pages.begin(), m_pages.end(), child);
    return found == m_pages.end() ? -1 : static_cast<int>(found - m_pages.begin());
}

QAccessibleInterface *PagesViewAccessible::childAt(int x, int y) const
{
    const int page = view()->pageAt(view()->mapFromGlobal(QPoint(x, y)));
    return page > 0 ? child(page - 1) : nullptr;
}

PageItemAccessible::PageItemAccessible(PagesView *view, int page)
    : m_view(view)
    , m_page(page)
{
}

QWindow *PageItemAccessible::window() const
{
    return m_view ? m_view->window()->windowHandle() : nullptr;
}

QAccessibleInterface *PageItemAccessible::parent() const
{
    return m_view ? QAccessible::queryAccessibleInterface(m_view.data()) : nullptr;
}

QString PageItemAccessible::text(QAccessible::Text t) const
{
    if (!m_view)
        return {};
    if (t == QAccessible::Name)
        return QCoreApplication::translate("PagesView", "Page %1").arg(m_page);
    if (t == QAccessible::Description) {
        const int lit = m_view->litLeds(m_page);
        const QString leds = lit == 1 ? QCoreApplication::translate("PagesView", "1 lit LED")
                                      : QCoreApplication::translate("PagesView", "%1 lit LEDs").arg(lit);
        return m_view->selection().holdsPage(m_page)
            ? QCoreApplication::translate("PagesView", "%1, chosen for the tools").arg(leds)
            : leds;
    }
    return {};
}

QRect PageItemAccessible::rect() const
{
    if (!m_view)
        return {};
    const QRect place = m_view->pageRect(m_page);
    return {m_view->mapToGlobal(place.topLeft()), place.size()};
}

QAccessible::State PageItemAccessible::state() const
{
    QAccessible::State state;
    state.selectable = true;
    state.focusable = true;
    state.selected = m_view && m_view->shownPage() == m_page;
    state.focused = m_view && m_view->hasFocus() && m_view->keyboardPage() == m_page;
    return state;
}
