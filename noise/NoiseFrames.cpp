// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "noise/NoiseFrames.h"

#include "noise/NoiseGenerator.h"

#include <algorithm>

namespace {
constexpr int BytesPerPixel = 3;
}

NoiseFrames::NoiseFrames(QSize size, const QRegion &visible)
    : m_size(size)
{
    for (const QRect &rect : visible.intersected(QRect(QPoint(0, 0), size))) {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            m_runs.append({y, rect.left(), rect.width(), {}});
        m_visiblePixels += static_cast<qsizetype>(rect.width()) * rect.height();
    }
    std::sort(
        m_runs.begin(), m_runs.end(), [](const Run &a, const Run &b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    // The hidden bytes between two runs are as many in every frame: each skip is worked out once.
    std::uint64_t position = 0;
    for (Run &run : m_runs) {
        const std::uint64_t start = (static_cast<std::uint64_t>(run.y) * size.width() + run.x) * BytesPerPixel;
        run.skip = NoiseGenerator::jump(start - position);
        position = start + static_cast<std::uint64_t>(run.length) * BytesPerPixel;
    }
}

void NoiseFrames::paint(std::uint64_t frame, QImage &picture) const
{
    if (frame == 0 || picture.size() != m_size || picture.format() != QImage::Format_RGB32)
        return;
    const auto frameBytes = static_cast<std::uint64_t>(m_size.width()) * m_size.height() * BytesPerPixel;
    std::uint32_t seed = NoiseGenerator::advanced(0, (frame - 1) * frameBytes); // before the frame's first byte
    // Most runs are a few pixels long: the picture is reached once, not once a run.
    uchar *const top = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    for (const Run &run : m_runs) {
        NoiseGenerator generator(run.skip.applied(seed));
        // Red, green, blue as the stream gives them, in the form the screen takes without a
        // conversion.
        generator.fillPixels(
            reinterpret_cast<std::uint32_t *>(top + run.y * stride) + run.x, static_cast<std::size_t>(run.length));
        seed = generator.seed();
    }
}
