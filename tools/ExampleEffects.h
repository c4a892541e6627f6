// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "effect/ImageDecoder.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The example effects shipped in examples/: each image's 1024 rows are 1024 successive frames
// of the 16-LED string (16 frames a page, 64 pages). Everything is computed, nothing is taken
// from elsewhere; the one font is the system's DejaVu Sans Bold, drawn without smoothing, so the
// same machine always makes the same bytes. Needs a QGuiApplication for the text.
class ExampleEffects
{
public:
    struct Example
    {
        QString fileName;
        QString description;
        ImageLayout layout;
    };

    static QList<Example> all();
    // The file's bytes, exactly its layout's size. Throws AppError when the font is missing.
    static QByteArray make(const Example &example);

    static constexpr int FrameCount = 1024;
    static constexpr int LedCount = 16;

private:
    using Frames = QList<quint16>; // bit i: LED i (0 at the left) lit

    static Frames chaser();
    static Frames scanner();
    static Frames fillAndEmpty();
    static Frames textScroll();
    static Frames sparkle();
    static Frames ditheredBar();
    static QByteArray encoded(const Frames &frames, ImageLayout layout);
};
