// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "noise/NoiseGenerator.h"

#include <QImage>
#include <QList>
#include <QRegion>
#include <cstdint>

// The noise animation's frames, computed only where they can be seen. Frame k is the k-th run
// of the byte stream over the whole picture, red, green, blue of each pixel, rows from the top;
// the bytes of a visible pixel are reached directly, so the hidden ones cost nothing.
class NoiseFrames
{
public:
    // `visible` lies within a picture of `size` pixels.
    NoiseFrames(QSize size, const QRegion &visible);

    // Writes frame `frame` (1: the first tick's) into the visible pixels of `picture`, an RGB32
    // picture of the size given; the others are left as they are.
    void paint(std::uint64_t frame, QImage &picture) const;
    // How many pixels a frame computes.
    qsizetype visiblePixels() const { return m_visiblePixels; }

private:
    struct Run
    {
        int y;
        int x;
        int length; // pixels
        NoiseGenerator::Jump skip; // from the byte after the run before (the frame's start) to this run
    };
    QSize m_size;
    QList<Run> m_runs; // in stream order
    qsizetype m_visiblePixels = 0;
};
