// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "chip/UsbTransport.h"

#include <QList>
#include <QString>
#include <memory>
#include <optional>

struct libusb_context;
struct libusb_device_handle;

// The USB programmer through libusb: interface 0 claimed (a kernel driver that holds it is
// detached, and attached again when done), bulk packets on its two endpoints, every transfer
// bounded by its time-out.
class LibusbTransport : public UsbTransport
{
public:
    struct Place
    {
        int bus;
        int address;
    };

    // The programmers plugged in; none where USB cannot be used at all.
    static QList<Place> list();
    // The programmer at `place`, or the first found. Throws AppError saying what to do: none
    // plugged in, no permission, another program holds it.
    static std::unique_ptr<LibusbTransport> open(std::optional<Place> place);
    ~LibusbTransport() override;

    void bulkWrite(const QByteArray &packet, int timeoutMilliseconds) override;
    QByteArray bulkRead(int length, int timeoutMilliseconds) override;

private:
    LibusbTransport(libusb_context *context, libusb_device_handle *handle, const QString &name);
    [[noreturn]] void fail(int error) const;

    libusb_context *m_context;
    libusb_device_handle *m_handle;
    QString m_name;
};
