// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "chip/ChipAccess.h"
#include "common/FileDescriptor.h"

#include <functional>
#include <linux/i2c-dev.h>
#include <linux/i2c.h>
#include <memory>

class ChipClock;

// The chip on a Linux I2C adapter, driven through the kernel's I2C_RDWR: a random read per block
// (its address, then its bytes), one message a 16-byte page write, then acknowledge polling
// until the chip has programmed the page (at most 25 ms).
class I2cChip : public ChipAccess
{
public:
    static constexpr std::int64_t ReadyBoundMicroseconds = 25000;
    static constexpr std::int64_t PollMicroseconds = 100;

    // The I2C_RDWR call: returns what ioctl() returns, errno set on failure. Tests and the sim:
    // targets put a simulated chip behind it.
    using RdwrCall = std::function<int(i2c_rdwr_ioctl_data *transfer)>;

    // `busName` names the adapter in messages.
    I2cChip(int size, RdwrCall rdwr, ChipClock &clock, const QString &busName);

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
    // True once the chip acknowledges its address again.
    bool acknowledges(int device);
    void waitUntilReady(int device);
    [[noreturn]] void fail(int error, int device) const;
    [[noreturn]] void failShort(int done, int count, int device) const;

    int m_size;
    RdwrCall m_rdwr;
    ChipClock &m_clock;
    QString m_busName;
    FileDescriptor m_adapter; // what the real call needs open; none for a simulated bus
    std::unique_ptr<ChipClock> m_ownClock;
};
