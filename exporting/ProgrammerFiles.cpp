// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "exporting/ProgrammerFiles.h"

namespace ProgrammerFiles {

namespace {
    constexpr int RecordBytes = 16;

    // `fields` in hex, with the record's checksum: the low byte of their sum, negated (Intel) or
    // inverted (Motorola).
    QByteArray withChecksum(const QByteArray &fields, bool twosComplement)
    {
        unsigned sum = 0;
        for (const char byte : fields)
            sum += static_cast<std::uint8_t>(byte);
        const auto checksum = static_cast<char>(twosComplement ? (0x100 - (sum & 0xFF)) & 0xFF : ~sum & 0xFF);
        return (fields + checksum).toHex().toUpper();
    }

    QByteArray addressed(int address, const QByteArray &data)
    {
        QByteArray fields;
        fields += static_cast<char>(address >> 8);
        fields += static_cast<char>(address & 0xFF);
        return fields + data;
    }
} // namespace

QByteArray intelHex(const QByteArray &bytes)
{
    QByteArray text;
    for (int at = 0; at < bytes.size(); at += RecordBytes) {
        const QByteArray data = bytes.mid(at, RecordBytes);
        const QByteArray fields = static_cast<char>(data.size()) + addressed(at, {}) + '\0' + data; // type 00: data
        text += ':' + withChecksum(fields, true) + '\n';
    }
    return text + ":00000001FF\n";
}

QByteArray sRecord(const QByteArray &bytes, const QByteArray &name)
{
    const auto record = [](char type, const QByteArray &fields) {
        return QByteArray("S") + type
            + withChecksum(QByteArray(1, static_cast<char>(fields.size() + 1)) + fields, false) + '\n';
    };
    QByteArray text = record('0', addressed(0, name.left(60)));
    int records = 0;
    for (int at = 0; at < bytes.size(); at += RecordBytes, ++records)
        text += record('1', addressed(at, bytes.mid(at, RecordBytes)));
    text += record('5', addressed(records, {}));
    return text + record('9', addressed(0, {}));
}

} // namespace ProgrammerFiles
