// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "chip/ChipAccess.h"

#include <memory>
#include <optional>

class ChipClock;
class UsbTransport;

// The chip on the USB programmer, through its I2C command stream: reads in 32-byte chunks (the
// most one packet brings back), one chip page a transaction, and the chip's busy time waited out
// after each, as the programmer reports no acknowledge reliably: the read-back proves a write.
class Ch341aChip : public ChipAccess
{
public:
    static constexpr int ReadChunk = 32;

    // Precondition: `kilohertz` is a speed the programmer has (100 or 400); the clock outlives it.
    Ch341aChip(int size, std::unique_ptr<UsbTransport> transport, ChipClock &clock, int kilohertz, const QString &name);
    ~Ch341aChip() override;

    int size() const override { return m_size; }
    QByteArray read(int offset, int length) override;
    void writePage(int offset, const QByteArray &bytes) override;
    bool acknowledgesReliably() const override { return false; }

    // What a target names: `ch341a` or `ch341a:BUS-ADDRESS`, with `?speed=400` and `?size=1024`
    // if asked.
    struct Options
    {
        std::optional<std::pair<int, int>> place; // bus, address; none: the first found
        int kilohertz = 100;
        int size = 2048;
    };
    // Throws AppError for a place, speed or size the programmer cannot have, and for an option
    // that is unknown or given twice: none is guessed at.
    static Options parseTarget(const QString &target);
    // Opens the programmer `target` names. Throws AppError as parseTarget() does, and for no
    // programmer or no permission.
    static std::unique_ptr<Ch341aChip> open(const QString &target);

private:
    void send(const QByteArray &commands);

    int m_size;
    std::unique_ptr<UsbTransport> m_transport;
    ChipClock &m_clock;
    QString m_name;
    std::unique_ptr<ChipClock> m_ownClock;
};
