// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "chip/UsbTransport.h"

#include <QList>
#include <QString>

class ChipClock;
class SimulatedChip;

// The USB programmer as tests and benchmarks meet it: it decodes every packet, checks its framing
// and command bytes, and carries the I2C transactions in it to a simulated chip, answering reads
// with the chip's bytes (0xFF where the chip does not answer, as the pulled-up bus reads). USB
// and the bus take their time on the clock; faults can be injected.
class Ch341aSimulator : public UsbTransport
{
public:
    static constexpr std::int64_t TransferMicroseconds = 1000; // a full-speed USB frame each way

    struct Faults
    {
        int timeoutAtTransfer = -1; // the n-th transfer (from 0) never completes
        int goneAfterTransfers = -1; // the programmer is unplugged after n transfers
    };

    Ch341aSimulator(SimulatedChip &chip, ChipClock &clock);

    void bulkWrite(const QByteArray &packet, int timeoutMilliseconds) override;
    QByteArray bulkRead(int length, int timeoutMilliseconds) override;

    Faults &faults() { return m_faults; }
    int kilohertz() const { return m_kilohertz; }
    // What the packets broke of the framing, in words; empty when every packet was well formed.
    const QStringList &framingErrors() const { return m_framingErrors; }
    // The data bytes of every I2C write that reached the chip, with the in-block address first.
    const QList<QByteArray> &writes() const { return m_writes; }

private:
    void beginTransfer(int timeoutMilliseconds);
    void decode(const QByteArray &packet);

    SimulatedChip &m_chip;
    ChipClock &m_clock;
    Faults m_faults;
    int m_transfers = 0;
    int m_kilohertz = 20; // the programmer's own until told
    QByteArray m_pendingIn;
    QStringList m_framingErrors;
    QList<QByteArray> m_writes;
};
