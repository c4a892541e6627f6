// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "noise/NoiseGenerator.h"

namespace {
// From a pixel's seed to its green and blue bytes' seeds directly: of a pixel's three
// multiplications only the one that leads to the next pixel waits for the one before.
constexpr NoiseGenerator::Jump ToGreen = NoiseGenerator::jump(2);
constexpr NoiseGenerator::Jump ToBlue = NoiseGenerator::jump(3);
} // namespace

void NoiseGenerator::fillPixels(std::uint32_t *pixels, std::size_t count)
{
    std::uint32_t seed = m_seed;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t red = seed * Multiplier + Increment;
        const std::uint32_t green = ToGreen.applied(seed);
        seed = ToBlue.applied(seed);
        pixels[i] = 0xff000000u | (red >> 24) << 16 | (green >> 24) << 8 | seed >> 24;
    }
    m_seed = seed;
}
