// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QList>

// Where a byte of the chip lies on the bus, for every backend: the 2048-byte part answers as 8
// blocks of 256 bytes at device addresses 0x50.., the 1024-byte part as 4; the byte after the
// device address is the address inside the block. A write takes at most one 16-byte chip page.
namespace ChipGeometry {

inline constexpr int LargeChipSize = 2048;
inline constexpr int SmallChipSize = 1024;
inline constexpr int BlockSize = 256;
inline constexpr int PageSize = 16;
inline constexpr int FirstDeviceAddress = 0x50;

inline bool isChipSize(int size)
{
    return size == LargeChipSize || size == SmallChipSize;
}
inline int deviceAddress(int offset)
{
    return FirstDeviceAddress + offset / BlockSize;
}
inline int addressInBlock(int offset)
{
    return offset % BlockSize;
}

// A run of bytes that one bus message can carry.
struct Span
{
    int offset;
    int length;
    bool operator==(const Span &) const = default;
};

// `length` bytes from `offset` cut where a block ends and into pieces of at most `maxChunk`.
QList<Span> readChunks(int offset, int length, int maxChunk = BlockSize);
// The chip pages (numbered from 0) whose bytes differ between two images of the same size.
QList<int> differingPages(const QByteArray &a, const QByteArray &b);
// The effect pages (numbered from 1) that chip pages hold: two chip pages an effect page in the
// 16-bit layout of the large part, one in the 8-bit layout of the small part.
QList<int> effectPagesOf(const QList<int> &chipPages, int chipSize);

} // namespace ChipGeometry
