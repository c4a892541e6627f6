// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "common/LocalPath.h"

namespace {
constexpr char16_t EscapeBase = 0xDC00; // + the byte, for bytes 0x80..0xFF that are no UTF-8

bool isEscape(char16_t unit)
{
    return unit >= EscapeBase + 0x80 && unit <= EscapeBase + 0xFF;
}

// The length of the well-formed UTF-8 sequence at `at`, or 0 when there is none.
qsizetype sequenceLength(const QByteArray &bytes, qsizetype at)
{
    const auto byte = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF; // no encoded surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (at + length > bytes.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (qsizetype i = at + 2; i < at + length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}
} // namespace

QString LocalPath::decode(const QByteArray &bytes)
{
    QString path;
    path.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = sequenceLength(bytes, at);
        if (length == 0) {
            path += QChar(static_cast<char16_t>(EscapeBase + static_cast<unsigned char>(bytes[at])));
            ++at;
        } else {
            path += QString::fromUtf8(bytes.constData() + at, length);
            at += length;
        }
    }
    return path;
}

QByteArray LocalPath::encode(const QString &path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    qsizetype runStart = 0;
    for (qsizetype at = 0; at <= path.size(); ++at) {
        if (at < path.size() && !isEscape(path.at(at).unicode()))
            continue;
        bytes += QStringView(path).mid(runStart, at - runStart).toUtf8();
        if (at < path.size())
            bytes += static_cast<char>(path.at(at).unicode() - EscapeBase);
        runStart = at + 1;
    }
    return bytes;
}

QString LocalPath::displayed(const QString &path)
{
    QString shown = path;
    for (QChar &c : shown)
        if (isEscape(c.unicode()))
            c = QChar::ReplacementCharacter;
    return shown;
}
