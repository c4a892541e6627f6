// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chip/ChipTargets.h"

#include "chip/Ch341aChip.h"
#include "chip/ChipClock.h"
#include "chip/ChipGeometry.h"
#include "chip/EepromFileChip.h"
#include "chip/I2cChip.h"
#include "chip/LibusbTransport.h"
#include "chip/SimulatedChip.h"
#include "common/AppError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace {
// A simulated chip as a target: its bytes in a file, reached through the same I2C_RDWR messages
// as a real adapter, at the part's own busy time.
class SimulatedTarget : public ChipAccess
{
public:
    SimulatedTarget(const QString &path, int size)
        : m_file(path)
        , m_chip(size, m_clock)
        , m_bus(
              size,
              [this](i2c_rdwr_ioctl_data *transfer) {
                  return m_chip.transfer(transfer->msgs, static_cast<int>(transfer->nmsgs));
              },
              m_clock, QStringLiteral("sim:") + path)
    {
        const bool existed = m_file.exists();
        if (!m_file.open(QIODevice::ReadWrite))
            throw AppError(
                QCoreApplication::translate("ChipTargets", "The simulated chip's file %1 cannot be opened: %2")
                    .arg(path, m_file.errorString()));
        if (!existed && (m_file.write(QByteArray(size, '\xFF')) != size || !m_file.flush()))
            throw AppError(
                QCoreApplication::translate("ChipTargets", "The simulated chip's file %1 cannot be written: %2")
                    .arg(path, m_file.errorString()));
        m_file.seek(0);
        const QByteArray bytes = m_file.readAll();
        if (bytes.size() != size) {
            throw AppError(
                QCoreApplication::translate("ChipTargets", "The simulated chip's file %1 holds %2 bytes, not %3.")
                    .arg(path)
                    .arg(bytes.size())
                    .arg(size));
        }
        m_chip.setContents(bytes);
        m_chip.setStoredHandler([this](int offset, const QByteArray &page) {
            if (!m_file.seek(offset) || m_file.write(page) != page.size() || !m_file.flush())
                throw AppError(
                    QCoreApplication::translate("ChipTargets", "The simulated chip's file %1 cannot be written: %2")
                        .arg(m_file.fileName(), m_file.errorString()));
        });
    }
    int size() const override { return m_chip.size(); }
    QByteArray read(int offset, int length) override { return m_bus.read(offset, length); }
    void writePage(int offset, const QByteArray &bytes) override { m_bus.writePage(offset, bytes); }

private:
    QFile m_file;
    SteadyChipClock m_clock;
    SimulatedChip m_chip;
    I2cChip m_bus;
};

QString access(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const bool readable = ::access(name.constData(), R_OK) == 0;
    const bool writable = ::access(name.constData(), W_OK) == 0;
    return readable && writable ? QCoreApplication::translate("ChipTargets", "you may read and write it")
        : readable              ? QCoreApplication::translate("ChipTargets", "you may read it, not write it")
                                : QCoreApplication::translate("ChipTargets", "you may not read it");
}

QString driverOf(const QString &deviceFolder)
{
    const QString driver = QFileInfo(deviceFolder + QStringLiteral("/driver")).symLinkTarget();
    return driver.isEmpty() ? QCoreApplication::translate("ChipTargets", "no driver") : QFileInfo(driver).fileName();
}
} // namespace

namespace ChipTargets {

QList<Found> list(const QString &root)
{
    QList<Found> found;
    const QDir base(root);
    const auto addFiles = [&](const QString &folder, const QString &fileName) {
        const QDir devices(base.filePath(folder));
        for (const QString &device : devices.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QString path = devices.filePath(device + QLatin1Char('/') + fileName);
            const QFileInfo file(path);
            if (!file.exists())
                continue;
            found.append({path,
                QCoreApplication::translate("ChipTargets", "EEPROM file, %1 bytes, driver %2, %3")
                    .arg(file.size())
                    .arg(driverOf(devices.filePath(device)), access(path))});
        }
    };
    addFiles(QStringLiteral("sys/bus/nvmem/devices"), QStringLiteral("nvmem"));
    addFiles(QStringLiteral("sys/bus/i2c/devices"), QStringLiteral("eeprom"));
    const QDir dev(base.filePath(QStringLiteral("dev")));
    for (const QString &adapter : dev.entryList({QStringLiteral("i2c-*")}, QDir::System | QDir::Files, QDir::Name)) {
        const QString path = dev.filePath(adapter);
        found.append({QStringLiteral("i2c:/dev/") + adapter,
            QCoreApplication::translate("ChipTargets", "I2C adapter, %1").arg(access(path))});
    }
    for (const LibusbTransport::Place &place : LibusbTransport::list()) {
        found.append({QStringLiteral("ch341a:%1-%2").arg(place.bus).arg(place.address),
            QCoreApplication::translate("ChipTargets", "CH341A USB programmer, bus %1, address %2")
                .arg(place.bus)
                .arg(place.address)});
    }
    return found;
}

std::unique_ptr<ChipAccess> open(const QString &target, bool forWriting)
{
    if (target.startsWith(QLatin1String("sim:")))
        return std::make_unique<SimulatedTarget>(target.mid(4), ChipGeometry::LargeChipSize);
    if (target.startsWith(QLatin1String("sim8:")))
        return std::make_unique<SimulatedTarget>(target.mid(5), ChipGeometry::SmallChipSize);
    // An adapter cannot tell the chip's size: the 16-Kbit part unless the 8-Kbit one is named.
    if (target.startsWith(QLatin1String("i2c:")))
        return I2cChip::open(target.mid(4), ChipGeometry::LargeChipSize);
    if (target.startsWith(QLatin1String("i2c8:")))
        return I2cChip::open(target.mid(5), ChipGeometry::SmallChipSize);
    if (target == QLatin1String("ch341a") || target.startsWith(QLatin1String("ch341a:"))
        || target.startsWith(QLatin1String("ch341a?")))
        return Ch341aChip::open(target);
    if (target.startsWith(QLatin1Char('/')))
        return EepromFileChip::open(target, forWriting);
    throw AppError(QCoreApplication::translate("ChipTargets",
        "\"%1\" names no chip. A chip is an EEPROM file (/sys/bus/nvmem/devices/…/nvmem), "
        "i2c:/dev/i2c-N (i2c8: for the 1024-byte part), ch341a or ch341a:BUS-ADDRESS, sim:FILE or sim8:FILE.")
                       .arg(target));
}

} // namespace ChipTargets
