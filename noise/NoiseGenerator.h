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

    std::uint8_t next();
    // The same bytes as `count` calls of next(), many lanes at a time.
    void fill(std::uint8_t *bytes, std::size_t count);

    std::uint32_t seed() const { return m_seed; }

private:
    std::uint32_t m_seed = 0;
};
