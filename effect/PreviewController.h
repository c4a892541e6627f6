// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/PreviewPlayer.h"

#include <QObject>
#include <array>
#include <cstdint>

class QTimer;

// The preview's clock: while it runs, each tick plays the next row of the effect, at the rate
// the clock slider sets. The window shows what it signals; the rules live here, and a test
// drives tick() without a display.
class PreviewController : public QObject
{
    Q_OBJECT

public:
    static constexpr int DesignInterval = 100; // ms a row, until the clock says otherwise

    explicit PreviewController(const EffectImage &image, QObject *parent = nullptr);

    QTimer *timer() const { return m_timer; }
    bool isRunning() const;
    int row() const { return m_player.row(); }
    std::array<std::uint8_t, 16> rowStates() const { return m_player.rowStates(); }

    // Starts or stops playing; either way the next tick shows row 1.
    void setRunning(bool running);
    // How the next ticks play: the shown page over and over, or on through every page.
    void setMode(PreviewPlayer::Mode mode) { m_mode = mode; }
    // The clock's rate, 1..20 rows a second. An unchanged interval leaves the period running as
    // it is, so a click on the slider's thumb does not delay the next row.
    void setRowsPerSecond(int rowsPerSecond);
    // The page was changed by hand: while running, a fresh period starts.
    void restartPeriod();
    // A row chosen along the effect (precondition 0..15, its page already current): while
    // running, it is shown at once and a fresh period starts from it.
    void playFrom(int row);

public Q_SLOTS:
    void tick();

Q_SIGNALS:
    // The tick plays on into `page`: the window shows it, then the row.
    void pageTurned(int page);
    void rowChanged();

private:
    QTimer *m_timer;
    PreviewPlayer m_player;
    PreviewPlayer::Mode m_mode = PreviewPlayer::Mode::SinglePage;
};
