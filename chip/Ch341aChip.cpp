// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chip/Ch341aChip.h"

#include "chip/Ch341aProtocol.h"
#include "chip/ChipClock.h"
#include "chip/ChipGeometry.h"
#include "chip/LibusbTransport.h"
#include "chip/SimulatedChip.h"
#include "chip/UsbTransport.h"
#include "common/AppError.h"

#include <QCoreApplication>
#include <QUrlQuery>

namespace P = Ch341aProtocol;

namespace {
// A little over the part's busy time, for the programmer's own clock.
constexpr std::int64_t BusyWaitMicroseconds = SimulatedChip::BusyMicroseconds + 200;

char byte(int value)
{
    return static_cast<char>(value);
}
} // namespace

Ch341aChip::Ch341aChip(
    int size, std::unique_ptr<UsbTransport> transport, ChipClock &clock, int kilohertz, const QString &name)
    : m_size(size)
    , m_transport(std::move(transport))
    , m_clock(clock)
    , m_name(name)
{
    send(QByteArray(1, byte(P::Set | P::speedCode(kilohertz))));
}

Ch341aChip::~Ch341aChip() = default;

void Ch341aChip::send(const QByteArray &commands)
{
    const QByteArray packet = byte(P::Stream) + commands + byte(P::End);
    Q_ASSERT(packet.size() <= P::PacketSize);
    m_transport->bulkWrite(packet, P::TimeoutMilliseconds);
}

QByteArray Ch341aChip::read(int offset, int length)
{
    QByteArray bytes;
    for (const ChipGeometry::Span &chunk : ChipGeometry::readChunks(offset, length, ReadChunk)) {
        const int device = ChipGeometry::deviceAddress(chunk.offset);
        // The address inside the block written, then a repeated start and the bytes read.
        QByteArray commands;
        commands += byte(P::Start);
        commands += byte(P::Out | 2);
        commands += byte(device << 1);
        commands += byte(ChipGeometry::addressInBlock(chunk.offset));
        commands += byte(P::Start);
        commands += byte(P::Out | 1);
        commands += byte(device << 1 | 1);
        commands += byte(P::In | chunk.length);
        commands += byte(P::Stop);
        send(commands);
        const QByteArray got = m_transport->bulkRead(chunk.length, P::TimeoutMilliseconds);
        if (got.size() != chunk.length) {
            throw AppError(QCoreApplication::translate("Ch341aChip", "The programmer %1 sent %2 bytes of %3.")
                               .arg(m_name)
                               .arg(got.size())
                               .arg(chunk.length));
        }
        bytes += got;
    }
    return bytes;
}

void Ch341aChip::writePage(int offset, const QByteArray &bytes)
{
    Q_ASSERT(
        !bytes.isEmpty() && offset / ChipGeometry::PageSize == (offset + bytes.size() - 1) / ChipGeometry::PageSize);
    QByteArray commands;
    commands += byte(P::Start);
    commands += byte(P::Out | (2 + bytes.size()));
    commands += byte(ChipGeometry::deviceAddress(offset) << 1);
    commands += byte(ChipGeometry::addressInBlock(offset));
    commands += bytes;
    commands += byte(P::Stop);
    send(commands);
    m_clock.sleep(BusyWaitMicroseconds);
}

Ch341aChip::Options Ch341aChip::parseTarget(const QString &target)
{
    // "ch341a", "ch341a:3-7", each with "?speed=400&size=1024" if asked.
    const qsizetype question = target.indexOf(QLatin1Char('?'));
    const QString device = target.left(question);
    Options options;
    options.size = ChipGeometry::LargeChipSize;
    const QList<std::pair<QString, QString>> items
        = QUrlQuery(question < 0 ? QString() : target.mid(question + 1)).queryItems();
    QStringList seen;
    for (const auto &[key, value] : items) {
        const bool known = key == QLatin1String("speed") || key == QLatin1String("size");
        if (!known || seen.contains(key)) {
            throw AppError(QCoreApplication::translate(
                "Ch341aChip", "\"%1\": the programmer takes speed= and size=, each once (%2 is unknown or repeated).")
                               .arg(target, key));
        }
        seen << key;
        (key == QLatin1String("speed") ? options.kilohertz : options.size) = value.toInt();
    }
    if (options.kilohertz != 100 && options.kilohertz != 400)
        throw AppError(QCoreApplication::translate("Ch341aChip", "The programmer runs at 100 or 400 kHz, not %1.")
                           .arg(options.kilohertz));
    if (!ChipGeometry::isChipSize(options.size))
        throw AppError(
            QCoreApplication::translate("Ch341aChip", "A chip holds 1024 or 2048 bytes, not %1.").arg(options.size));
    // "ch341a" alone, or with a place of two numbers.
    bool placed = device == QLatin1String("ch341a");
    if (device.startsWith(QLatin1String("ch341a:"))) {
        const QStringList numbers = device.mid(7).split(QLatin1Char('-'));
        bool busOk = false;
        bool addressOk = false;
        if (numbers.size() == 2)
            options.place = std::pair(numbers[0].toInt(&busOk), numbers[1].toInt(&addressOk));
        placed = busOk && addressOk;
    }
    if (!placed) {
        throw AppError(QCoreApplication::translate(
            "Ch341aChip", "\"%1\" names no programmer: ch341a:BUS-ADDRESS, as lsusb numbers them.")
                           .arg(target));
    }
    return options;
}

std::unique_ptr<Ch341aChip> Ch341aChip::open(const QString &target)
{
    const Options options = parseTarget(target);
    std::optional<LibusbTransport::Place> place;
    if (options.place)
        place = LibusbTransport::Place {options.place->first, options.place->second};
    auto clock = std::make_unique<SteadyChipClock>();
    auto chip
        = std::make_unique<Ch341aChip>(options.size, LibusbTransport::open(place), *clock, options.kilohertz, target);
    chip->m_ownClock = std::move(clock);
    return chip;
}
