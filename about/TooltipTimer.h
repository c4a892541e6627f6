// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QTimer;
class QWidget;

// The About window's tooltips, with timings of their own: Qt's hide after about 10 s and switch
// in 20 ms. A tooltip shows once the pointer has rested 2000 ms on an element (50 ms when it
// moves to another element while a tooltip is up) and stays 300000 ms. An element without a
// tooltip of its own shows its window's.
class TooltipTimer : public QObject
{
    Q_OBJECT

public:
    static constexpr int RestDelay = 2000;
    static constexpr int SwitchDelay = 50;
    static constexpr int DisplayTime = 300000;

    using Show = std::function<void(const QString &text, QWidget *element, int displayTime)>;

    // Watches `window` and every widget in it.
    explicit TooltipTimer(QWidget *window);

    QTimer *wakeTimer() const { return m_wake; }
    QWidget *element() const { return m_element; }
    void setShow(Show show) { m_show = std::move(show); }
    // The wait is over: the tooltip of the element under the pointer shows.
    void fire();

    static QString tooltipOf(const QWidget *element);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QWidget *widget);
    void pointerOver(QWidget *element);

    QTimer *m_wake;
    QPointer<QWidget> m_element;
    bool m_shown = false; // a tooltip has been up since the pointer came in
    bool m_pointerMoved = false; // since the pointer came into the window
    Show m_show;
};
