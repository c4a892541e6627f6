// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chip/I2cChip.h"

#include "chip/ChipClock.h"
#include "chip/ChipGeometry.h"
#include "common/AppError.h"
#include "common/FileKind.h"
#include "common/LocalPath.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString hex(int address)
{
    return QStringLiteral("0x%1").arg(address, 2, 16, QLatin1Char('0'));
}

// A kernel driver bound at any address the part answers on owns that device: at 0x50 it is the
// chip itself, whose file is the way in; elsewhere another device (a memory module's SPD EEPROM,
// a sensor) that a write across the range would overwrite.
void refuseHeldAddresses(const QString &devicePath, int size, const QString &sysRoot)
{
    // "/dev/i2c-3" and "/dev/i2c/3" alike: the adapter's number ends the name.
    static const QRegularExpression adapterNumber(QStringLiteral("i2c[-/](\\d+)$"));
    const QRegularExpressionMatch match = adapterNumber.match(devicePath);
    if (!match.hasMatch())
        return; // not named as the kernel names adapters: opening it says what it is
    const int blocks = size / ChipGeometry::BlockSize;
    for (int device = ChipGeometry::FirstDeviceAddress; device < ChipGeometry::FirstDeviceAddress + blocks; ++device) {
        const QString folder = QStringLiteral("%1/bus/i2c/devices/%2-%3")
                                   .arg(sysRoot, match.captured(1))
                                   .arg(device, 4, 16, QLatin1Char('0'));
        const QFileInfo driver(folder + QStringLiteral("/driver"));
        if (!driver.exists())
            continue;
        if (device == ChipGeometry::FirstDeviceAddress) {
            throw AppError(QCoreApplication::translate(
                "I2cChip", "A kernel driver already holds the chip at 0x50 on %1. Use its EEPROM file instead: %2")
                               .arg(devicePath, folder + QStringLiteral("/eeprom")));
        }
        const QString name = QFileInfo(driver.symLinkTarget()).fileName();
        throw AppError(QCoreApplication::translate("I2cChip",
            "The kernel driver %1 holds a device at %2 on %3, inside the %4 bytes' range 0x50–%5: writing there "
            "could overwrite it. Nothing was touched.")
                           .arg(name.isEmpty() ? QFileInfo(folder).fileName() : name, hex(device), devicePath)
                           .arg(size)
                           .arg(hex(ChipGeometry::FirstDeviceAddress + blocks - 1)));
    }
}
} // namespace

I2cChip::I2cChip(int size, RdwrCall rdwr, ChipClock &clock, const QString &busName)
    : I2cChip(size, Adapter {I2C_FUNC_I2C, std::move(rdwr), {}}, clock, busName)
{
}

I2cChip::I2cChip(int size, Adapter adapter, ChipClock &clock, const QString &busName)
    : m_size(size)
    , m_adapter(std::move(adapter))
    , m_plainI2c(m_adapter.functionality & I2C_FUNC_I2C)
    , m_clock(clock)
    , m_busName(busName)
{
    if (m_plainI2c)
        return;
    // Reads, writes and a poll for the busy time: each by a block or, more slowly, byte by byte.
    QStringList lacking;
    if (!smbusOffers(I2C_FUNC_SMBUS_READ_I2C_BLOCK) && !smbusOffers(I2C_FUNC_SMBUS_READ_BYTE_DATA))
        lacking << QCoreApplication::translate("I2cChip", "I2C-block or byte-data reads");
    if (!smbusOffers(I2C_FUNC_SMBUS_WRITE_I2C_BLOCK) && !smbusOffers(I2C_FUNC_SMBUS_WRITE_BYTE_DATA))
        lacking << QCoreApplication::translate("I2cChip", "I2C-block or byte-data writes");
    if (!lacking.isEmpty()) {
        throw AppError(QCoreApplication::translate("I2cChip",
            "The adapter %1 offers neither plain I2C transfers nor the SMBus transfers an EEPROM needs: it "
            "lacks %2.")
                           .arg(m_busName, lacking.join(QStringLiteral(", "))));
    }
}

std::unique_ptr<I2cChip> I2cChip::open(const QString &devicePath, int size, const QString &sysRoot)
{
    refuseHeldAddresses(devicePath, size, sysRoot);
    // Without waiting: a named pipe given by mistake would block the open itself.
    FileDescriptor file(::open(LocalPath::encode(devicePath).constData(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.isOpen()) {
        const int error = errno;
        if (error == EACCES || error == EPERM)
            throw AppError(QCoreApplication::translate(
                "I2cChip", "No permission to use %1: a udev rule or the i2c group gives it.")
                               .arg(LocalPath::displayed(devicePath)));
        throw AppError(QCoreApplication::translate("I2cChip", "%1 cannot be opened: %2")
                           .arg(LocalPath::displayed(devicePath), systemErrorText(error)));
    }
    const int fd = file.get();
    struct stat status
    {
    };
    if (::fstat(fd, &status) != 0 || !S_ISCHR(status.st_mode)) {
        throw AppError(QCoreApplication::translate("I2cChip", "%1 is %2, not an I2C adapter (/dev/i2c-N).")
                           .arg(LocalPath::displayed(devicePath), FileKind::describe(status.st_mode)));
    }
    // What the adapter can do: plain I2C, or SMBus only.
    unsigned long functionality = 0;
    if (::ioctl(fd, I2C_FUNCS, &functionality) != 0) {
        throw AppError(
            QCoreApplication::translate("I2cChip", "%1 is no I2C adapter: it does not say what it can do (%2).")
                .arg(LocalPath::displayed(devicePath), systemErrorText(errno)));
    }
    Adapter adapter {functionality, [fd](i2c_rdwr_ioctl_data *transfer) { return ::ioctl(fd, I2C_RDWR, transfer); },
        [fd](int address, i2c_smbus_ioctl_data *call) {
            // The address the next SMBus transfers go to; a device a driver holds was refused above.
            if (::ioctl(fd, I2C_SLAVE, static_cast<unsigned long>(address)) != 0)
                return -1;
            return ::ioctl(fd, I2C_SMBUS, call);
        }};
    auto clock = std::make_unique<SteadyChipClock>();
    auto chip = std::make_unique<I2cChip>(size, std::move(adapter), *clock, devicePath);
    chip->m_adapterFile = std::move(file);
    chip->checkPart();
    chip->m_ownClock = std::move(clock);
    return chip;
}

bool I2cChip::nobodyAnswers(int error) const
{
    // An SMBus adapter (the kernel's stub among them) says ENODEV for an address nobody answers; the
    // adapter itself is gone only when its node is.
    return error == ENXIO || error == EREMOTEIO || error == EIO
        || (error == ENODEV && !m_plainI2c && QFileInfo::exists(m_busName));
}

void I2cChip::fail(int error, int device) const
{
    if (nobodyAnswers(error)) {
        if (device == ChipGeometry::FirstDeviceAddress) {
            throw AppError(QCoreApplication::translate("I2cChip",
                "No chip answers at %1 on %2: is it connected (the clip, the voltage), and is this the right bus?")
                               .arg(hex(device), m_busName));
        }
        throw AppError(QCoreApplication::translate(
            "I2cChip", "Block %1 (address %2) does not answer on %3: is the chip smaller than %4 bytes?")
                           .arg(device - ChipGeometry::FirstDeviceAddress)
                           .arg(hex(device), m_busName)
                           .arg(m_size));
    }
    if (error == ENODEV || error == ENOENT || error == ESHUTDOWN)
        throw AppError(
            QCoreApplication::translate("I2cChip", "The adapter %1 is gone: was the cable pulled?").arg(m_busName));
    if (error == ETIMEDOUT)
        throw AppError(QCoreApplication::translate("I2cChip", "The bus %1 timed out.").arg(m_busName));
    throw AppError(
        QCoreApplication::translate("I2cChip", "The transfer on %1 failed: %2").arg(m_busName, systemErrorText(error)));
}

void I2cChip::failShort(int done, int count, int device) const
{
    // Fewer messages than sent, without an error: errno is whatever an earlier call left.
    throw AppError(QCoreApplication::translate("I2cChip", "The adapter %1 carried %2 of %3 messages to %4.")
                       .arg(m_busName)
                       .arg(done)
                       .arg(count)
                       .arg(hex(device)));
}

void I2cChip::send(i2c_msg *messages, int count)
{
    i2c_rdwr_ioctl_data transfer {messages, static_cast<__u32>(count)};
    const int done = m_adapter.rdwr(&transfer);
    if (done < 0)
        fail(errno, messages[0].addr);
    if (done != count)
        failShort(done, count, messages[0].addr);
}

void I2cChip::smbus(int device, __u8 readWrite, __u8 command, int size, i2c_smbus_data *data)
{
    i2c_smbus_ioctl_data call {readWrite, command, static_cast<__u32>(size), data};
    if (m_adapter.smbus(device, &call) < 0)
        fail(errno, device);
}

QByteArray I2cChip::readSmbus(int offset, int length)
{
    QByteArray bytes(length, Qt::Uninitialized);
    const bool blocks = smbusOffers(I2C_FUNC_SMBUS_READ_I2C_BLOCK);
    for (const ChipGeometry::Span &chunk : ChipGeometry::readChunks(offset, length, blocks ? I2C_SMBUS_BLOCK_MAX : 1)) {
        const int device = ChipGeometry::deviceAddress(chunk.offset);
        const auto command = static_cast<__u8>(ChipGeometry::addressInBlock(chunk.offset));
        char *into = bytes.data() + (chunk.offset - offset);
        i2c_smbus_data data {};
        if (blocks) {
            data.block[0] = static_cast<__u8>(chunk.length);
            smbus(device, I2C_SMBUS_READ, command, I2C_SMBUS_I2C_BLOCK_DATA, &data);
            std::copy_n(data.block + 1, chunk.length, into);
        } else {
            smbus(device, I2C_SMBUS_READ, command, I2C_SMBUS_BYTE_DATA, &data);
            *into = static_cast<char>(data.byte);
        }
    }
    return bytes;
}

void I2cChip::writePageSmbus(int offset, const QByteArray &bytes)
{
    const int device = ChipGeometry::deviceAddress(offset);
    const auto command = static_cast<__u8>(ChipGeometry::addressInBlock(offset));
    if (smbusOffers(I2C_FUNC_SMBUS_WRITE_I2C_BLOCK)) {
        i2c_smbus_data data {};
        data.block[0] = static_cast<__u8>(bytes.size());
        std::copy_n(bytes.constData(), bytes.size(), data.block + 1);
        smbus(device, I2C_SMBUS_WRITE, command, I2C_SMBUS_I2C_BLOCK_DATA, &data);
        waitUntilReady(device);
        return;
    }
    // A byte at a time, each programmed before the next: a page takes 16 busy times.
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        i2c_smbus_data data {};
        data.byte = static_cast<__u8>(bytes.at(i));
        smbus(device, I2C_SMBUS_WRITE, static_cast<__u8>(command + i), I2C_SMBUS_BYTE_DATA, &data);
        waitUntilReady(device);
    }
}

QByteArray I2cChip::read(int offset, int length)
{
    if (!m_plainI2c)
        return readSmbus(offset, length);
    QByteArray bytes(length, Qt::Uninitialized);
    for (const ChipGeometry::Span &chunk : ChipGeometry::readChunks(offset, length)) {
        __u8 address = static_cast<__u8>(ChipGeometry::addressInBlock(chunk.offset));
        const auto device = static_cast<__u16>(ChipGeometry::deviceAddress(chunk.offset));
        i2c_msg messages[] = {
            {device, 0, 1, &address},
            {device, I2C_M_RD, static_cast<__u16>(chunk.length),
                reinterpret_cast<__u8 *>(bytes.data() + (chunk.offset - offset))},
        };
        send(messages, 2);
    }
    return bytes;
}

void I2cChip::writePage(int offset, const QByteArray &bytes)
{
    Q_ASSERT(
        !bytes.isEmpty() && offset / ChipGeometry::PageSize == (offset + bytes.size() - 1) / ChipGeometry::PageSize);
    if (!m_plainI2c) {
        writePageSmbus(offset, bytes);
        return;
    }
    const int device = ChipGeometry::deviceAddress(offset);
    QByteArray message = char(ChipGeometry::addressInBlock(offset)) + bytes;
    i2c_msg write {
        static_cast<__u16>(device), 0, static_cast<__u16>(message.size()), reinterpret_cast<__u8 *>(message.data())};
    send(&write, 1);
    waitUntilReady(device);
}

void I2cChip::checkPart()
{
    // A part answers on one address per 256 bytes, from 0x50 on.
    constexpr int MostBlocks = ChipGeometry::LargeChipSize / ChipGeometry::BlockSize;
    int blocks = 0;
    while (blocks < MostBlocks && acknowledges(ChipGeometry::FirstDeviceAddress + blocks))
        ++blocks;
    const int found = blocks * ChipGeometry::BlockSize;
    if (found == m_size)
        return;
    if (found == 0)
        fail(ENXIO, ChipGeometry::FirstDeviceAddress);
    const QString range = blocks == 1 ? hex(ChipGeometry::FirstDeviceAddress)
                                      : QStringLiteral("%1–%2").arg(hex(ChipGeometry::FirstDeviceAddress),
                                          hex(ChipGeometry::FirstDeviceAddress + blocks - 1));
    if (ChipGeometry::isChipSize(found)) {
        throw AppError(
            QCoreApplication::translate("I2cChip", "A %1-byte part answers at %2 on %3: name it %4%3.")
                .arg(found)
                .arg(range, m_busName,
                    found == ChipGeometry::SmallChipSize ? QStringLiteral("i2c8:") : QStringLiteral("i2c:")));
    }
    throw AppError(QCoreApplication::translate(
        "I2cChip", "A %1-byte part answers at %2 on %3: Glimmerview writes 1024- and 2048-byte parts only.")
                       .arg(found)
                       .arg(range, m_busName));
}

bool I2cChip::acknowledges(int device)
{
    int done = 0;
    if (m_plainI2c) {
        // A write of the block's first address alone: acknowledged only once the chip is ready.
        __u8 address = 0;
        i2c_msg poll {static_cast<__u16>(device), 0, 1, &address};
        i2c_rdwr_ioctl_data transfer {&poll, 1};
        done = m_adapter.rdwr(&transfer);
        if (done >= 0 && done != 1)
            failShort(done, 1, device);
    } else {
        // The lightest transfer the adapter has: a quick write, else a byte read from the block.
        i2c_smbus_data data {};
        const bool quick = smbusOffers(I2C_FUNC_SMBUS_QUICK);
        const bool receive = smbusOffers(I2C_FUNC_SMBUS_READ_BYTE);
        i2c_smbus_ioctl_data call {quick ? __u8(I2C_SMBUS_WRITE) : __u8(I2C_SMBUS_READ), 0,
            quick         ? __u32(I2C_SMBUS_QUICK)
                : receive ? __u32(I2C_SMBUS_BYTE)
                          : __u32(I2C_SMBUS_BYTE_DATA),
            quick ? nullptr : &data};
        done = m_adapter.smbus(device, &call) < 0 ? -1 : 1;
    }
    if (done == 1)
        return true;
    if (!nobodyAnswers(errno))
        fail(errno, device);
    return false;
}

void I2cChip::waitUntilReady(int device)
{
    const std::int64_t start = m_clock.nowMicroseconds();
    while (!acknowledges(device)) {
        if (m_clock.nowMicroseconds() - start > ReadyBoundMicroseconds) {
            throw AppError(QCoreApplication::translate(
                "I2cChip", "The chip at %1 on %2 stayed busy for more than 25 ms after a write.")
                               .arg(hex(device), m_busName));
        }
        m_clock.sleep(PollMicroseconds);
    }
}
