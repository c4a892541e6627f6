// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// The USB programmer's two bulk pipes: the seam between its backend and libusb, where tests put a
// simulated programmer. Each call is bounded by its time-out and throws AppError on failure.
class UsbTransport
{
public:
    virtual ~UsbTransport() = default;
    virtual void bulkWrite(const QByteArray &packet, int timeoutMilliseconds) = 0;
    // Up to `length` bytes.
    virtual QByteArray bulkRead(int length, int timeoutMilliseconds) = 0;
};
