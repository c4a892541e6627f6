// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "about/CreditsPanel.h"

#include <QPainter>
#include <QTimer>

CreditsPanel::CreditsPanel(QWidget *parent)
    : BevelPanel(Bevel::Lowered, Bevel::Raised, parent)
    , m_timer(new QTimer(this))
{
    m_timer->setTimerType(Qt::PreciseTimer); // a coarse timer may slip by 5%
    m_timer->setInterval(TickInterval);
    connect(m_timer, &QTimer::timeout, this, &CreditsPanel::tick);
}

int CreditsPanel::lineHeight() const
{
    return fontMetrics().height() + fontMetrics().leading();
}

void CreditsPanel::start()
{
    if (isPlaying())
        return;
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) {
            child->hide();
            m_hidden.append(child);
        }
    }
    const QRect area = CreditsScroll::textArea(rect());
    m_scroll = std::make_unique<CreditsScroll>(m_credits, area.size(), lineHeight());
    m_frame = QImage(area.size(), QImage::Format_RGB32);
    m_scroll->render(m_frame, font(), palette().windowText().color(), palette().window().color());
    m_timer->start();
}

void CreditsPanel::tick()
{
    if (!m_scroll)
        return;
    if (!m_scroll->tick()) {
        finish();
        return;
    }
    m_scroll->render(m_frame, font(), palette().windowText().color(), palette().window().color());
    repaint(CreditsScroll::textArea(rect()));
}

void CreditsPanel::finish()
{
    m_timer->stop();
    m_scroll.reset();
    m_frame = QImage();
    for (const QPointer<QWidget> &widget : std::as_const(m_hidden)) {
        if (widget)
            widget->show();
    }
    m_hidden.clear();
    update();
}

void CreditsPanel::paintEvent(QPaintEvent *event)
{
    BevelPanel::paintEvent(event);
    if (m_frame.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(CreditsScroll::textArea(rect()).topLeft(), m_frame);
}
