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
        std::uint32_t applied(std::uint32_t seed) const { return a * seed + c; }
    };
    // `steps` steps, found in a few dozen multiplications: any byte of any frame is reached
    // without the bytes before it.
    static Jump jump(std::uint64_t steps);
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
    // The same bytes as `count` calls of next(), many lanes at a time.
    void fill(std::uint8_t *bytes, std::size_t count);

    std::uint32_t seed() const { return m_seed; }

private:
    std::uint32_t m_seed = 0;
};
