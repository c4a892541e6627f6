// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include "chip/UsbTransport.h"

#include <QList>
#include <QString>
#include <memory>
#include <optional>

struct libusb_context;
struct libusb_device_handle;
struct libusb_device;

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

    // libusb's own objects, each ended by its own call on every way out.
    struct ContextEnd
    {
        void operator()(libusb_context *context) const;
    };
    struct HandleClose
    {
        void operator()(libusb_device_handle *handle) const;
    };
    struct DeviceListFree
    {
        void operator()(libusb_device **devices) const;
    };
    using Context = std::unique_ptr<libusb_context, ContextEnd>;
    using Handle = std::unique_ptr<libusb_device_handle, HandleClose>;
    using DeviceList = std::unique_ptr<libusb_device *[], DeviceListFree>;

private:
    LibusbTransport(Context context, Handle handle, const QString &name);
    [[noreturn]] void fail(int error) const;

    Context m_context; // outlives the handle
    Handle m_handle;
    QString m_name;
};
