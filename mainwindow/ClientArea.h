// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "noise/NoiseGenerator.h"

#include <QImage>
#include <QWidget>
#include <optional>

class QTimer;

// The main window's client area. Besides holding the controls, it can show the hidden noise
// picture beneath them: the controls are opaque, so the noise shows only in the gaps.
class ClientArea : public QWidget
{
    Q_OBJECT

public:
    explicit ClientArea(QWidget *parent = nullptr);

    // Shift+Ctrl+Alt+U on `keys` starts and stops the animation, a tick every 5 ms.
    void listenForNoiseKey(QWidget *keys);
    QTimer *noiseTimer() const { return m_noiseTimer; }

    void createNoiseBitmap(QSize size);
    void freeNoiseBitmap() { m_noise = QImage(); }
    const QImage &noiseBitmap() const { return m_noise; }

    // One tick of the animation: fresh noise for every pixel, red, green, blue each, rows from the
    // top; then the gaps between the controls are repainted with it.
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
    QWidget *m_noiseKeys = nullptr;
    QImage m_noise;
    NoiseGenerator m_generator;
    mutable std::optional<QRegion> m_gaps;
    bool m_noisePending = false; // a repaint of our own shows the noise; any other shows the face
};
