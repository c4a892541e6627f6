// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chip/SimulatedChip.h"

#include "chip/ChipClock.h"
#include "chip/ChipGeometry.h"

#include <algorithm>
#include <cerrno>
#include <optional>

SimulatedChip::SimulatedChip(int size, ChipClock &clock, int busKilohertz)
    : m_clock(clock)
    , m_busKilohertz(busKilohertz)
    , m_bytes(size, '\xFF')
{
}

void SimulatedChip::setContents(const QByteArray &bytes)
{
    m_bytes = bytes.leftJustified(m_bytes.size(), '\xFF', true);
}

bool SimulatedChip::acknowledgesByte()
{
    return m_bytesOnBus++ != m_faults.noAcknowledgeAtByte;
}

void SimulatedChip::spendBusTime(int bytes)
{
    // Nine clocks a byte with its acknowledge, and about two for the START and the STOP.
    m_clock.spendOnBus((bytes * 9 + 2) * 1000LL / m_busKilohertz);
}

int SimulatedChip::transfer(i2c_msg *messages, int count)
{
    const int blocks = size() / ChipGeometry::BlockSize;
    struct PendingWrite
    {
        int pageStart;
        QByteArray page;
    };
    std::optional<PendingWrite> pending; // stored at the STOP, if the transfer gets there
    int bytesMoved = 0;
    const auto fail = [&](int error) {
        spendBusTime(bytesMoved);
        errno = error;
        return -1;
    };
    for (int index = 0; index < count; ++index) {
        i2c_msg &message = messages[index];
        pending.reset(); // a repeated START ends a write that was not stopped: nothing stored
        ++bytesMoved;
        const int block = message.addr - ChipGeometry::FirstDeviceAddress;
        const bool powered = m_faults.powerLostAfterPageWrites < 0 || m_pageWrites < m_faults.powerLostAfterPageWrites;
        const bool busy = m_clock.nowMicroseconds() < m_busyUntil;
        if (block < 0 || block >= blocks || !powered || busy || !acknowledgesByte())
            return fail(ENXIO);
        if (message.flags & I2C_M_RD) {
            const bool unsteady = m_faults.unsteadyReads && m_reads++ % 3 == 2;
            for (int i = 0; i < message.len; ++i) {
                char byte = m_bytes.at(m_address);
                if (m_faults.flipBitsInReads || (unsteady && i == 0))
                    byte = static_cast<char>(byte ^ (1 << (m_address % 8)));
                message.buf[i] = static_cast<__u8>(byte);
                m_address = (m_address + 1) % size();
                ++bytesMoved;
            }
            continue;
        }
        if (message.len == 0)
            continue; // the address alone: an acknowledge poll
        ++bytesMoved;
        if (!acknowledgesByte())
            return fail(EREMOTEIO);
        m_address = block * ChipGeometry::BlockSize + message.buf[0];
        if (message.len == 1)
            continue; // the address set for a read that follows
        const int pageStart = m_address - m_address % ChipGeometry::PageSize;
        pending = PendingWrite {pageStart, m_bytes.mid(pageStart, ChipGeometry::PageSize)};
        int inPage = m_address % ChipGeometry::PageSize;
        for (int i = 1; i < message.len; ++i) {
            ++bytesMoved;
            if (!acknowledgesByte())
                return fail(EREMOTEIO);
            pending->page[inPage] = static_cast<char>(message.buf[i]); // wraps inside the page
            inPage = (inPage + 1) % ChipGeometry::PageSize;
        }
        m_address = pageStart + inPage;
    }
    spendBusTime(bytesMoved);
    if (pending) { // the STOP: the page is programmed, and the chip is busy meanwhile
        if (!m_faults.writeProtected) {
            m_bytes.replace(pending->pageStart, ChipGeometry::PageSize, pending->page);
            if (m_stored)
                m_stored(pending->pageStart, pending->page);
        }
        ++m_pageWrites;
        m_busyUntil = m_clock.nowMicroseconds() + BusyMicroseconds;
    }
    return count;
}

int SimulatedChip::smbus(int address, i2c_smbus_ioctl_data *call)
{
    const auto device = static_cast<__u16>(address);
    const bool read = call->read_write == I2C_SMBUS_READ;
    __u8 command = call->command;
    i2c_smbus_data *data = call->data;
    switch (call->size) {
    case I2C_SMBUS_QUICK: {
        i2c_msg quick {device, static_cast<__u16>(read ? I2C_M_RD : 0), 0, nullptr};
        return transfer(&quick, 1) < 0 ? -1 : 0;
    }
    case I2C_SMBUS_BYTE: { // a byte received, or a command byte sent alone
        i2c_msg message {device, static_cast<__u16>(read ? I2C_M_RD : 0), 1, read ? &data->byte : &command};
        return transfer(&message, 1) < 0 ? -1 : 0;
    }
    case I2C_SMBUS_BYTE_DATA:
    case I2C_SMBUS_I2C_BLOCK_DATA: {
        const bool block = call->size == I2C_SMBUS_I2C_BLOCK_DATA;
        const int length = block ? data->block[0] : 1;
        __u8 *bytes = block ? data->block + 1 : &data->byte;
        if (length < 1 || length > I2C_SMBUS_BLOCK_MAX) {
            errno = EINVAL;
            return -1;
        }
        if (read) {
            i2c_msg messages[] = {{device, 0, 1, &command}, {device, I2C_M_RD, static_cast<__u16>(length), bytes}};
            return transfer(messages, 2) < 0 ? -1 : 0;
        }
        __u8 message[1 + I2C_SMBUS_BLOCK_MAX];
        message[0] = command;
        std::copy_n(bytes, length, message + 1);
        i2c_msg write {device, 0, static_cast<__u16>(1 + length), message};
        return transfer(&write, 1) < 0 ? -1 : 0;
    }
    default:
        errno = EOPNOTSUPP;
        return -1;
    }
}
