// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "about/BevelPanel.h"
#include "credits/CreditsScroll.h"

#include <QImage>
#include <QPointer>
#include <memory>

class QTimer;

// The About window's first tab panel, which can play the credits: its elements step aside, the
// credits rise through it at one pixel every 30 ms, and the elements come back at the end. The
// ticks come from the panel's own timer and draw in its paint event, on the user-interface
// thread.
class CreditsPanel : public BevelPanel
{
    Q_OBJECT

public:
    static constexpr int TickInterval = 30;

    explicit CreditsPanel(QWidget *parent = nullptr);

    void setCredits(const QStringList &lines) { m_credits = lines; }
    bool isPlaying() const { return m_scroll != nullptr; }
    const CreditsScroll *scroll() const { return m_scroll.get(); }
    QTimer *tickTimer() const { return m_timer; }
    int lineHeight() const;

    void start();
    void tick();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void finish();

    QStringList m_credits;
    std::unique_ptr<CreditsScroll> m_scroll;
    QImage m_frame; // present only while playing
    QList<QPointer<QWidget>> m_hidden;
    QTimer *m_timer;
};
