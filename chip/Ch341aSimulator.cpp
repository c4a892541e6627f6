// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chip/Ch341aSimulator.h"

#include "chip/Ch341aProtocol.h"
#include "chip/ChipClock.h"
#include "chip/SimulatedChip.h"
#include "common/AppError.h"

#include <linux/i2c.h>
#include <vector>

namespace P = Ch341aProtocol;

Ch341aSimulator::Ch341aSimulator(SimulatedChip &chip, ChipClock &clock)
    : m_chip(chip)
    , m_clock(clock)
{
}

void Ch341aSimulator::beginTransfer(int timeoutMilliseconds)
{
    const int transfer = m_transfers++;
    if (m_faults.goneAfterTransfers >= 0 && transfer >= m_faults.goneAfterTransfers)
        throw AppError(QStringLiteral("The programmer was unplugged."));
    if (transfer == m_faults.timeoutAtTransfer) {
        m_clock.sleep(timeoutMilliseconds * 1000LL);
        throw AppError(QStringLiteral("The programmer did not answer in time."));
    }
    m_clock.spendOnBus(TransferMicroseconds);
}

void Ch341aSimulator::bulkWrite(const QByteArray &packet, int timeoutMilliseconds)
{
    beginTransfer(timeoutMilliseconds);
    decode(packet);
}

QByteArray Ch341aSimulator::bulkRead(int length, int timeoutMilliseconds)
{
    beginTransfer(timeoutMilliseconds);
    if (m_pendingIn.isEmpty()) { // nothing asked for: the real programmer keeps quiet until the time-out
        m_clock.sleep(timeoutMilliseconds * 1000LL);
        throw AppError(QStringLiteral("The programmer did not answer in time."));
    }
    const QByteArray bytes = m_pendingIn.left(length);
    m_pendingIn.remove(0, bytes.size());
    return bytes;
}

void Ch341aSimulator::decode(const QByteArray &packet)
{
    struct Message
    {
        int address = -1;
        bool read = false;
        QByteArray data; // written bytes, or room for the bytes read
    };
    std::vector<Message> transaction;
    const auto broken = [this](const QString &what) { m_framingErrors << what; };
    if (packet.size() > P::PacketSize)
        broken(QStringLiteral("a packet of %1 bytes").arg(packet.size()));
    if (packet.isEmpty() || static_cast<std::uint8_t>(packet.at(0)) != P::Stream)
        return broken(QStringLiteral("a packet that is no command stream"));
    for (qsizetype at = 1; at < packet.size(); ++at) {
        const auto command = static_cast<std::uint8_t>(packet.at(at));
        const int count = command & P::CountMask;
        if (command == P::End) {
            if (at + 1 != packet.size())
                broken(QStringLiteral("bytes after the end"));
            if (!transaction.empty())
                broken(QStringLiteral("a transaction without a stop"));
            return;
        }
        if ((command & ~3) == P::Set && transaction.empty()) {
            m_kilohertz = P::kilohertzOf(command & 3);
        } else if (command == P::Start) {
            transaction.push_back({});
        } else if ((command & 0xC0) == P::Out && !transaction.empty() && at + count < packet.size()) {
            Message &message = transaction.back();
            QByteArray bytes = packet.mid(at + 1, count);
            at += count;
            if (message.address < 0 && !bytes.isEmpty()) {
                message.address = static_cast<std::uint8_t>(bytes.at(0)) >> 1;
                message.read = bytes.at(0) & 1;
                bytes.remove(0, 1);
            }
            if (message.read && !bytes.isEmpty())
                broken(QStringLiteral("bytes written in a read"));
            message.data += bytes;
        } else if ((command & 0xC0) == P::In && !transaction.empty() && transaction.back().read && count > 0
            && count <= P::PacketSize) {
            transaction.back().data += QByteArray(count, '\0');
        } else if (command == P::Stop && !transaction.empty()) {
            std::vector<i2c_msg> messages;
            for (Message &message : transaction) {
                messages.push_back(
                    {static_cast<__u16>(message.address), static_cast<__u16>(message.read ? I2C_M_RD : 0),
                        static_cast<__u16>(message.data.size()), reinterpret_cast<__u8 *>(message.data.data())});
            }
            const bool answered = m_chip.transfer(messages.data(), static_cast<int>(messages.size())) >= 0;
            for (Message &message : transaction) {
                if (message.read)
                    m_pendingIn += answered ? message.data : QByteArray(message.data.size(), '\xFF');
                else if (answered && message.data.size() > 1)
                    m_writes << message.data;
            }
            transaction.clear();
        } else {
            return broken(
                QStringLiteral("command 0x%1 where it does not belong").arg(command, 2, 16, QLatin1Char('0')));
        }
    }
    broken(QStringLiteral("a packet without an end"));
}
