// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "noise/NoiseFrames.h"

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <optional>

class QTimer;

// The main window's client area. Besides holding the controls, it can show the hidden noise
// picture beneath them: the controls are opaque, so the noise shows only in the gaps.
class ClientArea : public QWidget
{
    Q_OBJECT

public:
    explicit ClientArea(QWidget *parent = nullptr);

    // Shift+Ctrl+Alt+U on `keys` starts and stops the animation: a frame every 5 ms tick, shown
    // at the screen's pace.
    void listenForNoiseKey(QWidget *keys);
    QTimer *noiseTimer() const { return m_noiseTimer; }
    void setNoiseRunning(bool running);

    void createNoiseBitmap(QSize size);
    void freeNoiseBitmap() { m_noise = QImage(); }
    // The picture with the current frame in the gaps, worked out when first asked for.
    const QImage &noiseBitmap() const;
    std::uint64_t noiseFrame() const { return m_frame; }

    // The noise timer's wake: the gaps between the controls are repainted with the frame the
    // ticks have reached (at least the next one).
    void drawNoise();
    // The part of the client area that no control covers. The layout is fixed, so it is worked
    // out once and again only when the children or the size change.
    QRegion gapRegion() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTimer *m_noiseTimer = nullptr;
    QElapsedTimer m_sinceNoiseStarted;
    std::uint64_t m_noiseStartFrame = 0; // the frame shown when the noise last started
    QWidget *m_noiseKeys = nullptr;
    mutable QImage m_noise;
    std::uint64_t m_frame = 0; // ticks so far
    mutable std::uint64_t m_frameInPicture = 0;
    mutable std::optional<NoiseFrames> m_frames; // for the gaps as they are
    mutable std::optional<QRegion> m_gaps;
    bool m_noisePending = false; // a repaint of our own shows the noise; any other shows the face
};
