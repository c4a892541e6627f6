// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chip/ChipTargets.h"

#include "chip/Ch341aChip.h"
#include "chip/Ch341aSimulator.h"
#include "chip/ChipClock.h"
#include "chip/ChipGeometry.h"
#include "chip/EepromFileChip.h"
#include "chip/I2cChip.h"
#include "chip/LibusbTransport.h"
#include "chip/SimulatedChip.h"
#include "chip/TargetLock.h"
#include "common/AppError.h"
#include "common/CommandLineOptions.h"
#include "common/FileDescriptor.h"
#include "common/FileKind.h"
#include "common/FileReplacer.h"
#include "common/LocalPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString simulatedChipFileError(const QString &path, int error)
{
    return QCoreApplication::translate("ChipTargets", "The simulated chip's file %1 cannot be used: %2")
        .arg(LocalPath::displayed(path), systemErrorText(error));
}

// The simulated chip's file, made erased where it is missing. Opened without waiting: a named
// pipe or a device would block or never end, so only a regular file of the chip's size is taken.
FileDescriptor openSimulatedChipFile(const QString &path, int size)
{
    const QByteArray name = LocalPath::encode(path);
    struct stat status
    {
    };
    if (::stat(name.constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
        throw AppError(QCoreApplication::translate(
            "ChipTargets", "The simulated chip's file %1 is %2: it must be a regular file of %3 bytes, or missing.")
                           .arg(LocalPath::displayed(path), FileKind::describe(status.st_mode))
                           .arg(size));
    }
    FileDescriptor file(::open(name.constData(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.isOpen() && errno == ENOENT) { // made erased; another run may make it first
        if (const int error = FileReplacer::createNew(path, QByteArray(size, '\xFF')); error != 0 && error != EEXIST)
            throw AppError(simulatedChipFileError(path, error));
        file = FileDescriptor(::open(name.constData(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    }
    if (!file.isOpen())
        throw AppError(simulatedChipFileError(path, errno));
    // Once more on what was opened: the name may have changed hands since.
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size != size) {
        const int error = errno;
        if (!S_ISREG(status.st_mode))
            throw AppError(simulatedChipFileError(path, error == 0 ? EINVAL : error));
        throw AppError(
            QCoreApplication::translate("ChipTargets", "The simulated chip's file %1 holds %2 bytes, not %3.")
                .arg(LocalPath::displayed(path))
                .arg(status.st_size)
                .arg(size));
    }
    return file;
}

// A simulated chip as a target: its bytes in a file, reached through the same I2C_RDWR messages
// as a real adapter (or, through the programmer, the programmer's own packets), at the part's own
// busy time. Every transfer starts from the file's bytes, so a read-back shows what is on the
// medium, another writer's bytes included.
class SimulatedTarget : public ChipAccess
{
public:
    enum class Way { Adapter, Programmer };

    SimulatedTarget(const QString &target, const QString &path, int size, bool forWriting, Way way = Way::Adapter)
        : m_path(path)
        , m_file(openSimulatedChipFile(path, size))
        , m_chip(size, m_clock)
    {
        const QString name = LocalPath::displayed(target);
        if (way == Way::Adapter) {
            m_bus = std::make_unique<I2cChip>(
                size,
                [this](i2c_rdwr_ioctl_data *transfer) {
                    return m_chip.transfer(transfer->msgs, static_cast<int>(transfer->nmsgs));
                },
                m_clock, name);
        } else {
            m_bus = std::make_unique<Ch341aChip>(
                size, std::make_unique<Ch341aSimulator>(m_chip, m_clock), m_clock, 100, name);
        }
        if (forWriting)
            TargetLock::lockFile(m_file.get(), target);
        reload();
        m_chip.setStoredHandler([this](int offset, const QByteArray &page) {
            if (::pwrite(m_file.get(), page.constData(), page.size(), offset) != page.size())
                throw AppError(simulatedChipFileError(m_path, errno == 0 ? ENOSPC : errno));
        });
    }
    int size() const override { return m_chip.size(); }
    QByteArray read(int offset, int length) override
    {
        reload();
        return m_bus->read(offset, length);
    }
    void writePage(int offset, const QByteArray &bytes) override
    {
        reload();
        m_bus->writePage(offset, bytes);
    }
    bool acknowledgesReliably() const override { return m_bus->acknowledgesReliably(); }

private:
    void reload()
    {
        QByteArray bytes(m_chip.size(), Qt::Uninitialized);
        const ssize_t got = ::pread(m_file.get(), bytes.data(), bytes.size(), 0);
        if (got != bytes.size())
            throw AppError(simulatedChipFileError(m_path, got < 0 ? errno : ENODATA));
        m_chip.setContents(bytes);
    }

    QString m_path;
    FileDescriptor m_file;
    SteadyChipClock m_clock;
    SimulatedChip m_chip;
    std::unique_ptr<ChipAccess> m_bus;
};

// An adapter or programmer with the lock that keeps other writers away while it is open.
class LockedChip : public ChipAccess
{
public:
    LockedChip(FileDescriptor lock, std::unique_ptr<ChipAccess> chip)
        : m_lock(std::move(lock))
        , m_chip(std::move(chip))
    {
    }
    int size() const override { return m_chip->size(); }
    QByteArray read(int offset, int length) override { return m_chip->read(offset, length); }
    void writePage(int offset, const QByteArray &bytes) override { m_chip->writePage(offset, bytes); }
    bool acknowledgesReliably() const override { return m_chip->acknowledgesReliably(); }

private:
    FileDescriptor m_lock; // taken first, let go last
    std::unique_ptr<ChipAccess> m_chip;
};

// What names an adapter for its lock: its device file, however it was reached.
QString adapterKey(const QString &devicePath)
{
    char resolved[PATH_MAX];
    const QByteArray name = LocalPath::encode(devicePath);
    return LocalPath::decode(::realpath(name.constData(), resolved) ? QByteArray(resolved) : name);
}

QString access(const QString &path)
{
    const QByteArray name = LocalPath::encode(path);
    const bool readable = ::access(name.constData(), R_OK) == 0;
    const bool writable = ::access(name.constData(), W_OK) == 0;
    return readable && writable ? QCoreApplication::translate("ChipTargets", "you may read and write it")
        : readable              ? QCoreApplication::translate("ChipTargets", "you may read it, not write it")
                                : QCoreApplication::translate("ChipTargets", "you may not read it");
}

// The EEPROM file's line: its size, the driver that offers it, what this user may do.
QString eepromFileDescription(const QString &deviceFolder, const QString &path, qint64 size)
{
    const QString driver = QFileInfo(deviceFolder + QStringLiteral("/driver")).symLinkTarget();
    if (driver.isEmpty()) {
        return QCoreApplication::translate("ChipTargets", "EEPROM file, %1 bytes, no driver, %2")
            .arg(size)
            .arg(access(path));
    }
    return QCoreApplication::translate("ChipTargets", "EEPROM file, %1 bytes, driver %2, %3")
        .arg(size)
        .arg(QFileInfo(driver).fileName(), access(path));
}
} // namespace

namespace ChipTargets {

QList<Found> list(const QString &root)
{
    QList<Found> found;
    const QDir base(root);
    // The EEPROM files of the sizes written here, each device once: a driver offers a chip as its
    // nvmem file and, often, its legacy eeprom file too; the first is listed, the second named.
    struct EepromFile
    {
        QString path;
        QString device; // the device's own folder, links resolved
        qint64 size;
        QStringList alsoAt;
    };
    QList<EepromFile> files;
    const auto addFiles = [&](const QString &folder, const QString &fileName, const QString &deviceLink) {
        const QDir devices(base.filePath(folder));
        for (const QString &entry : devices.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QString path = devices.filePath(entry + QLatin1Char('/') + fileName);
            const QFileInfo file(path);
            if (!file.exists() || !ChipGeometry::isChipSize(static_cast<int>(file.size())))
                continue; // not a part written here (a PC's CMOS memory, a memory module's SPD)
            // The device that offers the file: named by a link where there is one; an nvmem device
            // is otherwise a folder inside its parent's, as the kernel lays them out.
            QString device = deviceLink.isEmpty() ? QString()
                                                  : QFileInfo(devices.filePath(entry + deviceLink)).canonicalFilePath();
            if (device.isEmpty()) {
                device = QFileInfo(devices.filePath(entry)).canonicalFilePath();
                if (!deviceLink.isEmpty())
                    device = QFileInfo(device).path();
            }
            const auto same = std::find_if(
                files.begin(), files.end(), [&device](const EepromFile &known) { return known.device == device; });
            if (same != files.end())
                same->alsoAt << path;
            else
                files.append({path, device, file.size(), {}});
        }
    };
    addFiles(QStringLiteral("sys/bus/nvmem/devices"), QStringLiteral("nvmem"), QStringLiteral("/device"));
    addFiles(QStringLiteral("sys/bus/i2c/devices"), QStringLiteral("eeprom"), QString());
    for (const EepromFile &file : files) {
        QString description = eepromFileDescription(file.device, file.path, file.size);
        if (!file.alsoAt.isEmpty())
            description = QCoreApplication::translate("ChipTargets", "%1; also %2")
                              .arg(description, file.alsoAt.join(QStringLiteral(", ")));
        found.append({file.path, description});
    }
    // Adapters as the kernel names them, /dev/i2c-N, or in a folder of their own, /dev/i2c/N.
    const QDir dev(base.filePath(QStringLiteral("dev")));
    QStringList adapters;
    for (const QString &name : dev.entryList({QStringLiteral("i2c-*")}, QDir::System | QDir::Files, QDir::Name))
        adapters << name;
    for (const QString &name :
        QDir(dev.filePath(QStringLiteral("i2c"))).entryList(QDir::System | QDir::Files, QDir::Name))
        adapters << QStringLiteral("i2c/") + name;
    for (const QString &adapter : adapters) {
        found.append({QStringLiteral("i2c:/dev/") + adapter,
            QCoreApplication::translate("ChipTargets", "I2C adapter, %1").arg(access(dev.filePath(adapter)))});
    }
    for (const LibusbTransport::Place &place : LibusbTransport::list()) {
        found.append({QStringLiteral("ch341a:%1-%2").arg(place.bus).arg(place.address),
            QCoreApplication::translate("ChipTargets", "CH341A USB programmer, bus %1, address %2")
                .arg(place.bus)
                .arg(place.address)});
    }
    return found;
}

namespace {
    // What opening a target needs besides its text.
    struct Request
    {
        const QString &target;
        bool forWriting;
        const QString &sysRoot;
    };

    // An adapter's or a programmer's chip with the lock that keeps other writers away, when writing.
    template<typename OpenChip>
    std::unique_ptr<ChipAccess> locked(const Request &request, const QString &key, OpenChip openChip)
    {
        if (!request.forWriting)
            return openChip();
        auto lock = TargetLock::lockKey(key, request.target);
        return std::make_unique<LockedChip>(std::move(lock), openChip());
    }

    std::unique_ptr<ChipAccess> openAdapter(const Request &request, const QString &device, int size)
    {
        return locked(request, adapterKey(device), [&] { return I2cChip::open(device, size, request.sysRoot); });
    }

    // The kinds of target, one row each: the form that names one, what it is, how it is opened. Help
    // texts, the chip dialog and the refusal of a text that names none are made from this table.
    struct KindRow
    {
        const char *prefix; // "/" for a path
        const char *form;
        const char *what;
        std::unique_ptr<ChipAccess> (*open)(const Request &request, const QString &rest);
    };
    const KindRow KindTable[] = {
        {"/", "/sys/bus/nvmem/devices/…/nvmem",
            QT_TRANSLATE_NOOP("ChipTargets", "an EEPROM file a kernel driver offers"),
            [](const Request &request, const QString &) -> std::unique_ptr<ChipAccess> {
                return EepromFileChip::open(
                    request.target, request.forWriting, EepromFileChip::systemCalls(), request.sysRoot);
            }},
        {"i2c:", "i2c:/dev/i2c-N",
            QT_TRANSLATE_NOOP("ChipTargets", "an I2C adapter driven directly, with a 2048-byte part"),
            [](const Request &request, const QString &device) {
                return openAdapter(request, device, ChipGeometry::LargeChipSize);
            }},
        {"i2c8:", "i2c8:/dev/i2c-N", QT_TRANSLATE_NOOP("ChipTargets", "the same with a 1024-byte part"),
            [](const Request &request, const QString &device) {
                return openAdapter(request, device, ChipGeometry::SmallChipSize);
            }},
        // One lock for every programmer: two of them are told apart only once they are open.
        {"ch341a", "ch341a, ch341a:BUS-ADDRESS",
            QT_TRANSLATE_NOOP("ChipTargets",
                "the CH341A USB programmer, ?speed=400 for 400 kHz, ?size=1024 for the "
                "1024-byte part"),
            [](const Request &request, const QString &) {
                return locked(request, QStringLiteral("ch341a"), [&] { return Ch341aChip::open(request.target); });
            }},
        {"sim:", "sim:FILE", QT_TRANSLATE_NOOP("ChipTargets", "a simulated 2048-byte part whose bytes live in FILE"),
            [](const Request &request, const QString &path) -> std::unique_ptr<ChipAccess> {
                return std::make_unique<SimulatedTarget>(
                    request.target, path, ChipGeometry::LargeChipSize, request.forWriting);
            }},
        {"sim8:", "sim8:FILE", QT_TRANSLATE_NOOP("ChipTargets", "the same with a 1024-byte part"),
            [](const Request &request, const QString &path) -> std::unique_ptr<ChipAccess> {
                return std::make_unique<SimulatedTarget>(
                    request.target, path, ChipGeometry::SmallChipSize, request.forWriting);
            }},
        {"simch341a:", "simch341a:FILE",
            QT_TRANSLATE_NOOP("ChipTargets", "the same 2048-byte part behind a simulated CH341A programmer"),
            [](const Request &request, const QString &path) -> std::unique_ptr<ChipAccess> {
                return std::make_unique<SimulatedTarget>(request.target, path, ChipGeometry::LargeChipSize,
                    request.forWriting, SimulatedTarget::Way::Programmer);
            }},
    };

    // Whether `target` is of the kind `row`: it starts with a prefix that ends in ':' or is "/", or
    // it is a bare word ("ch341a") alone or followed by ':' or '?' and its options.
    bool names(const KindRow &row, const QString &target)
    {
        const QLatin1String prefix(row.prefix);
        if (prefix.endsWith(QLatin1Char(':')) || prefix == QLatin1String("/"))
            return target.startsWith(prefix);
        return target == prefix || target.startsWith(prefix + QLatin1Char(':'))
            || target.startsWith(prefix + QLatin1Char('?'));
    }
} // namespace

QList<Kind> kinds()
{
    QList<Kind> list;
    // FILE as the help names it in the user's language.
    const QString file = CommandLineOptions::valueName("FILE");
    for (const KindRow &row : KindTable) {
        list.append({QString::fromUtf8(row.form).replace(QLatin1String("FILE"), file),
            QCoreApplication::translate("ChipTargets", row.what)});
    }
    return list;
}

QString kindsText()
{
    QStringList parts;
    for (const Kind &kind : kinds())
        parts << QStringLiteral("%1 (%2)").arg(kind.form, kind.description);
    return parts.join(QStringLiteral("; "));
}

void checkForm(const QString &target)
{
    for (const KindRow &row : KindTable) {
        if (names(row, target))
            return;
    }
    throw AppError(QCoreApplication::translate("ChipTargets", "\"%1\" names no chip. A chip is one of: %2.")
                       .arg(LocalPath::displayed(target), kindsText()));
}

std::unique_ptr<ChipAccess> open(const QString &target, bool forWriting, const QString &sysRoot)
{
    checkForm(target);
    const Request request {target, forWriting, sysRoot};
    const KindRow &row = *std::find_if(
        std::begin(KindTable), std::end(KindTable), [&target](const KindRow &row) { return names(row, target); });
    return row.open(request, target.mid(qsizetype(std::strlen(row.prefix))));
}

} // namespace ChipTargets
