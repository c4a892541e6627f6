// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "chip/ChipAccess.h"
#include "common/FileDescriptor.h"

#include <functional>
#include <linux/i2c-dev.h>
#include <linux/i2c.h>
#include <memory>

class ChipClock;

// The chip on a Linux I2C adapter. Where the adapter offers plain I2C, through the kernel's
// I2C_RDWR: a random read per block (its address, then its bytes), one message a 16-byte page
// write, then acknowledge polling until the chip has programmed the page (at most 25 ms). Where it
// offers SMBus only (a PC's SMBus controller, many USB bridges), as the kernel's own EEPROM driver
// does: I2C-block reads and writes of up to 32 and 16 bytes (byte-data transfers where blocks are
// missing), and the busy time polled with a transfer the adapter has.
class I2cChip : public ChipAccess
{
public:
    static constexpr std::int64_t ReadyBoundMicroseconds = 25000;
    static constexpr std::int64_t PollMicroseconds = 100;

    // The I2C_RDWR call: returns what ioctl() returns, errno set on failure. Tests and the sim:
    // targets put a simulated chip behind it.
    using RdwrCall = std::function<int(i2c_rdwr_ioctl_data *transfer)>;
    // One I2C_SMBUS call to the device at `address`: returns what ioctl() returns, errno set.
    using SmbusCall = std::function<int(int address, i2c_smbus_ioctl_data *call)>;

    // What an adapter offers: its I2C_FUNCS bits and the calls for them.
    struct Adapter
    {
        unsigned long functionality = I2C_FUNC_I2C;
        RdwrCall rdwr;
        SmbusCall smbus;
    };

    // `busName` names the adapter in messages. A plain I2C adapter:
    I2cChip(int size, RdwrCall rdwr, ChipClock &clock, const QString &busName);
    // Any adapter. Throws AppError naming what it lacks when it has neither plain I2C nor the
    // SMBus transfers an EEPROM needs.
    I2cChip(int size, Adapter adapter, ChipClock &clock, const QString &busName);

    // Opens /dev/i2c-N. Throws AppError when it cannot be opened, or when a kernel driver holds
    // the chip's addresses (the EEPROM file it offers is named instead). `sysRoot` is another
    // folder for tests only.
    static std::unique_ptr<I2cChip> open(
        const QString &devicePath, int size, const QString &sysRoot = QStringLiteral("/sys"));

    // Asks which of 0x50..0x57 answer: the part on the bus must be the size this chip was opened
    // for. Throws AppError naming the part found, or that no chip answers.
    void checkPart();

    int size() const override { return m_size; }
    QByteArray read(int offset, int length) override;
    void writePage(int offset, const QByteArray &bytes) override;

private:
    // Sends the messages as one transfer; throws AppError naming what did not answer.
    void send(i2c_msg *messages, int count);
    // One SMBus transfer to `device`; throws AppError as send() does.
    void smbus(int device, __u8 readWrite, __u8 command, int size, i2c_smbus_data *data);
    bool smbusOffers(unsigned long functions) const { return (m_adapter.functionality & functions) == functions; }
    QByteArray readSmbus(int offset, int length);
    void writePageSmbus(int offset, const QByteArray &bytes);
    // True once the chip acknowledges its address again.
    bool acknowledges(int device);
    void waitUntilReady(int device);
    // Whether `error` means that nothing acknowledged the address, however the adapter says it.
    bool nobodyAnswers(int error) const;
    [[noreturn]] void fail(int error, int device) const;
    [[noreturn]] void failShort(int done, int count, int device) const;

    int m_size;
    Adapter m_adapter;
    bool m_plainI2c;
    ChipClock &m_clock;
    QString m_busName;
    FileDescriptor m_adapterFile; // what the real calls need open; none for a simulated bus
    std::unique_ptr<ChipClock> m_ownClock;
};
