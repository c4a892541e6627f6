// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The USB programmer's I2C command stream, in one place for the backend and its simulation: a
// bulk packet of at most 32 bytes starts with Stream, then commands, then End. Out and In carry
// their byte count in their low six bits; Set its speed in its low two.
namespace Ch341aProtocol {

inline constexpr std::uint16_t VendorId = 0x1a86;
inline constexpr std::uint16_t ProductId = 0x5512;
inline constexpr unsigned char OutEndpoint = 0x02;
inline constexpr unsigned char InEndpoint = 0x82;
inline constexpr int PacketSize = 32;
inline constexpr int TimeoutMilliseconds = 1000; // every transfer is bounded

inline constexpr std::uint8_t Stream = 0xAA;
inline constexpr std::uint8_t Start = 0x74;
inline constexpr std::uint8_t Stop = 0x75;
inline constexpr std::uint8_t Out = 0x80; // | n: the n bytes that follow go out
inline constexpr std::uint8_t In = 0xC0; // | n: n bytes come in, the last one not acknowledged
inline constexpr std::uint8_t Set = 0x60; // | speed code
inline constexpr std::uint8_t End = 0x00;
inline constexpr std::uint8_t CountMask = 0x3F;

// 0 for 20 kHz, 1 for 100, 2 for 400, 3 for 750; -1 for a speed the programmer does not have.
inline int speedCode(int kilohertz)
{
    switch (kilohertz) {
    case 20:
        return 0;
    case 100:
        return 1;
    case 400:
        return 2;
    case 750:
        return 3;
    default:
        return -1;
    }
}
inline int kilohertzOf(int speedCode)
{
    static constexpr int speeds[] = {20, 100, 400, 750};
    return speeds[speedCode & 3];
}

} // namespace Ch341aProtocol
