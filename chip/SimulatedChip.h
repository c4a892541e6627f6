// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <linux/i2c-dev.h>
#include <linux/i2c.h>

class ChipClock;

// The EEPROM as it behaves on the bus, message by message, for tests, benchmarks and the sim:
// targets. It answers at 0x50.. one address per 256-byte block; the byte after the device address
// sets the address inside the block; written bytes wrap inside their 16-byte page and are stored
// only at the STOP that ends the transfer; after a write it is busy for 5 ms and answers no
// address; sequential reads run on through the whole chip. Faults can be injected.
class SimulatedChip
{
public:
    static constexpr std::int64_t BusyMicroseconds = 5000;

    struct Faults
    {
        int noAcknowledgeAtByte = -1; // the n-th byte the chip acknowledges (addresses and written bytes)
        int powerLostAfterPageWrites = -1; // page writes stored before the chip stops answering
        bool flipBitsInReads = false;
        bool unsteadyReads = false; // every third read flips a bit: a clip that touches now and then
        bool writeProtected = false; // writes acknowledged, nothing stored
    };

    // Precondition: size 1024 or 2048 (or 256 and 512, the smaller parts a bus may hold); the
    // clock outlives the chip.
    SimulatedChip(int size, ChipClock &clock, int busKilohertz = 400);

    int size() const { return static_cast<int>(m_bytes.size()); }
    const QByteArray &contents() const { return m_bytes; }
    void setContents(const QByteArray &bytes);
    Faults &faults() { return m_faults; }
    int pageWritesStored() const { return m_pageWrites; }
    // The bytes the chip has acknowledged so far: where a fault set now would strike.
    int bytesAcknowledged() const { return m_bytesOnBus; }
    // Called with the offset and bytes of the page after each write the chip stored.
    void setStoredHandler(std::function<void(int offset, const QByteArray &page)> handler)
    {
        m_stored = std::move(handler);
    }

    // One combined transfer as the kernel's I2C_RDWR carries it: each message after a (repeated)
    // START, one STOP at the end. Returns the number of messages, or -1 with errno ENXIO when an
    // address is not acknowledged, EREMOTEIO when a data byte is not.
    int transfer(i2c_msg *messages, int count);
    // One SMBus transfer to `address`, carried on the bus as the kernel carries it for an adapter
    // of plain I2C: quick, byte, byte-data and I2C-block transfers. Returns 0, or -1 with errno as
    // transfer() sets it (EOPNOTSUPP for another kind).
    int smbus(int address, i2c_smbus_ioctl_data *call);

private:
    bool acknowledgesByte(); // counts the byte on the bus
    void spendBusTime(int bytes);

    ChipClock &m_clock;
    int m_busKilohertz;
    QByteArray m_bytes;
    Faults m_faults;
    int m_address = 0; // the chip's own address counter, 0..size-1
    std::int64_t m_busyUntil = 0;
    int m_bytesOnBus = 0;
    int m_pageWrites = 0;
    int m_reads = 0;
    std::function<void(int, const QByteArray &)> m_stored;
};
