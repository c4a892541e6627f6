// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "mainwindow/NoiseGenerator.h"

#include <QImage>
#include <QWidget>
#include <optional>

// The main window's client area. Besides holding the controls, it can show the hidden noise
// picture beneath them: the controls are opaque, so the noise shows only in the gaps.
class ClientArea : public QWidget
{
    Q_OBJECT

public:
    explicit ClientArea(QWidget *parent = nullptr);

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

private:
    QImage m_noise;
    NoiseGenerator m_generator;
    mutable std::optional<QRegion> m_gaps;
    bool m_noisePending = false; // a repaint of our own shows the noise; any other shows the face
};
