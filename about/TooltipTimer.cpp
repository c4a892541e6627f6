// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "about/TooltipTimer.h"

#include <QCursor>
#include <QEvent>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

TooltipTimer::TooltipTimer(QWidget *window)
    : QObject(window)
    , m_wake(new QTimer(this))
{
    m_wake->setSingleShot(true);
    connect(m_wake, &QTimer::timeout, this, &TooltipTimer::fire);
    m_show = [](const QString &text, QWidget *element, int displayTime) {
        QToolTip::showText(QCursor::pos(), text, element, {}, displayTime);
    };
    watch(window);
    for (QWidget *child : window->findChildren<QWidget *>())
        watch(child);
}

void TooltipTimer::watch(QWidget *widget)
{
    widget->setMouseTracking(true); // moves without a button held reach the filter
    widget->installEventFilter(this);
}

QString TooltipTimer::tooltipOf(const QWidget *element)
{
    for (const QWidget *w = element; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (!w->toolTip().isEmpty())
            return w->toolTip();
    }
    return {};
}

void TooltipTimer::pointerOver(QWidget *element)
{
    if (element == m_element)
        return;
    m_element = element;
    m_wake->start(m_shown ? SwitchDelay : RestDelay);
}

void TooltipTimer::fire()
{
    if (!m_element)
        return;
    const QString text = tooltipOf(m_element);
    if (text.isEmpty())
        return;
    m_shown = true;
    m_show(text, m_element, DisplayTime);
}

bool TooltipTimer::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::ToolTip:
        return true; // Qt's own timing is not ours
    case QEvent::Enter:
        // A window that opens under a pointer at rest (from the keyboard) is entered by the
        // window system, not by the user: nothing is pointed at until the pointer moves.
        if (event->spontaneous() && !m_pointerMoved)
            m_element = widget;
        else
            pointerOver(widget); // the deepest widget entered gets the last Enter
        break;
    case QEvent::Leave:
        if (widget->isWindow()) {
            m_wake->stop();
            m_element = nullptr;
            m_shown = false;
            m_pointerMoved = false;
        } else {
            pointerOver(widget->parentWidget()); // back over the parent, unless an Enter follows
        }
        break;
    case QEvent::MouseMove:
        m_pointerMoved = true;
        if (!m_shown && m_element)
            m_wake->start(RestDelay); // the pointer must rest
        break;
    case QEvent::MouseButtonPress:
        m_wake->stop();
        m_shown = false;
        QToolTip::hideText();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
