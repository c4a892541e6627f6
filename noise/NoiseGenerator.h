// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

// Linear congruential byte stream for the hidden noise picture. Never seeded: every run plays
// the same noise. Each byte replaces the 32-bit seed by seed * 134775813 + 1 and is the top
// 8 bits of the new seed.
class NoiseGenerator
{
public:
    static constexpr std::uint32_t Multiplier = 134775813u;
    static constexpr std::uint32_t Increment = 1u;

    // Many steps of the stream at once: a step is the affine map seed -> M * seed + I, and so
    // is any number of them.
    struct Jump
    {
        std::uint32_t a = 1;
        std::uint32_t c = 0;
        constexpr std::uint32_t applied(std::uint32_t seed) const { return a * seed + c; }
    };
    // `steps` steps, found in a few dozen multiplications: any byte of any frame is reached
    // without the bytes before it.
    static constexpr Jump jump(std::uint64_t steps)
    {
        // Applying the step n times is again affine; its powers are squared up bit by bit of n.
        Jump total;
        Jump power {Multiplier, Increment};
        for (; steps > 0; steps >>= 1) {
            if (steps & 1u)
                total = {power.a * total.a, power.a * total.c + power.c};
            power = {power.a * power.a, power.a * power.c + power.c};
        }
        return total;
    }
    static std::uint32_t advanced(std::uint32_t seed, std::uint64_t steps) { return jump(steps).applied(seed); }

    explicit NoiseGenerator(std::uint32_t seed = 0)
        : m_seed(seed)
    {
    }

    std::uint8_t next()
    {
        m_seed = m_seed * Multiplier + Increment;
        return static_cast<std::uint8_t>(m_seed >> 24);
    }
    // `count` pixels of three bytes each, red, green, blue, as opaque 0xffRRGGBB: the same bytes
    // as 3 * `count` calls of next().
    void fillPixels(std::uint32_t *pixels, std::size_t count);

    std::uint32_t seed() const { return m_seed; }

private:
    std::uint32_t m_seed = 0;
};
