// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "noise/NoiseGenerator.h"

#include <array>

namespace {
constexpr std::size_t Lanes = 32;

// Stepping a lane `Lanes` places ahead at once: seed' = a * seed + c, with a = M^Lanes and
// c = 1 + M + ... + M^(Lanes-1), all modulo 2^32.
using Jump = NoiseGenerator::Jump;

constexpr Jump jumpAhead()
{
    Jump jump;
    for (std::size_t i = 0; i < Lanes; ++i) {
        jump.c = jump.c * NoiseGenerator::Multiplier + NoiseGenerator::Increment;
        jump.a = jump.a * NoiseGenerator::Multiplier;
    }
    return jump;
}
constexpr Jump LaneJump = jumpAhead();
} // namespace

NoiseGenerator::Jump NoiseGenerator::jump(std::uint64_t steps)
{
    // The step is the affine map s -> M*s + I; applying it n times is again affine, and its
    // powers are squared up bit by bit of n.
    Jump total;
    Jump power {Multiplier, Increment};
    for (; steps > 0; steps >>= 1) {
        if (steps & 1u)
            total = {power.a * total.a, power.a * total.c + power.c};
        power = {power.a * power.a, power.a * power.c + power.c};
    }
    return total;
}

void NoiseGenerator::fill(std::uint8_t *bytes, std::size_t count)
{
    const std::size_t blocks = count / Lanes;
    if (blocks > 0) {
        std::array<std::uint32_t, Lanes> lane {};
        for (std::size_t j = 0; j < Lanes; ++j)
            lane[j] = m_seed = m_seed * Multiplier + Increment;
        for (std::size_t block = 0;;) {
            std::uint8_t *out = bytes + block * Lanes;
            for (std::size_t j = 0; j < Lanes; ++j)
                out[j] = static_cast<std::uint8_t>(lane[j] >> 24);
            if (++block == blocks)
                break;
            for (std::size_t j = 0; j < Lanes; ++j)
                lane[j] = lane[j] * LaneJump.a + LaneJump.c;
        }
        m_seed = lane[Lanes - 1]; // the seed that gave the last byte
    }
    for (std::size_t i = blocks * Lanes; i < count; ++i)
        bytes[i] = next();
}
