// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chip/LibusbTransport.h"

#include "chip/Ch341aProtocol.h"
#include "chip/LibusbLibrary.h"
#include "common/AppError.h"

#include <QCoreApplication>

namespace P = Ch341aProtocol;

namespace {
// The library's calls: loaded, as a context exists wherever these are used.
const LibusbLibrary &usb()
{
    return *LibusbLibrary::get();
}

QString noProgrammer()
{
    return QCoreApplication::translate(
        "LibusbTransport", "No CH341A programmer is plugged in. Plug it in, or check its cable.");
}

// The programmers among the devices of `context`.
QList<std::pair<libusb_device *, LibusbTransport::Place>> programmers(libusb_device **devices)
{
    QList<std::pair<libusb_device *, LibusbTransport::Place>> found;
    for (libusb_device **device = devices; device && *device; ++device) {
        libusb_device_descriptor descriptor {};
        if (usb().getDeviceDescriptor(*device, &descriptor) == 0 && descriptor.idVendor == P::VendorId
            && descriptor.idProduct == P::ProductId) {
            found.append({*device, {usb().getBusNumber(*device), usb().getDeviceAddress(*device)}});
        }
    }
    return found;
}
} // namespace

void LibusbTransport::ContextEnd::operator()(libusb_context *context) const
{
    usb().exit(context);
}

void LibusbTransport::HandleClose::operator()(libusb_device_handle *handle) const
{
    usb().close(handle);
}

void LibusbTransport::DeviceListFree::operator()(libusb_device **devices) const
{
    usb().freeDeviceList(devices, 1);
}

namespace {
// A libusb context, or none where USB cannot be used at all.
LibusbTransport::Context startLibusb()
{
    const LibusbLibrary *usb = LibusbLibrary::get();
    libusb_context *context = nullptr;
    return LibusbTransport::Context(usb && usb->init(&context) == 0 ? context : nullptr);
}

LibusbTransport::DeviceList devicesOf(libusb_context *context)
{
    libusb_device **devices = nullptr;
    return LibusbTransport::DeviceList(usb().getDeviceList(context, &devices) >= 0 ? devices : nullptr);
}
} // namespace

QList<LibusbTransport::Place> LibusbTransport::list()
{
    QList<Place> places;
    const Context context = startLibusb();
    if (!context)
        return places;
    for (const auto &[device, place] : programmers(devicesOf(context.get()).get()))
        places.append(place);
    return places;
}

std::unique_ptr<LibusbTransport> LibusbTransport::open(std::optional<Place> place)
{
    Context context = startLibusb();
    if (!context)
        throw AppError(noProgrammer() + QLatin1Char(' ')
            + QCoreApplication::translate("LibusbTransport", "(This machine shows no USB devices.)"));
    const DeviceList devices = devicesOf(context.get());
    libusb_device *chosen = nullptr;
    Place at {};
    for (const auto &[device, found] : programmers(devices.get())) {
        if (!place || (place->bus == found.bus && place->address == found.address)) {
            chosen = device;
            at = found;
            break;
        }
    }
    libusb_device_handle *opening = nullptr;
    const int opened = chosen ? usb().open(chosen, &opening) : LIBUSB_ERROR_NOT_FOUND;
    Handle handle(opened == 0 ? opening : nullptr);
    const QString name = QStringLiteral("ch341a:%1-%2").arg(at.bus).arg(at.address);
    if (opened != 0) {
        if (opened == LIBUSB_ERROR_NOT_FOUND && place) {
            throw AppError(QCoreApplication::translate("LibusbTransport",
                "No CH341A programmer is plugged in at bus %1, address %2. --list-chips shows where "
                "it is now.")
                               .arg(place->bus)
                               .arg(place->address));
        }
        if (opened == LIBUSB_ERROR_NOT_FOUND)
            throw AppError(noProgrammer());
        if (opened == LIBUSB_ERROR_ACCESS) {
            throw AppError(QCoreApplication::translate("LibusbTransport",
                "No permission to use the programmer %1. Install the package's udev rule "
                "(70-glimmerview-ch341a.rules) and plug it in again, and use it from a session "
                "logged in at the seat.")
                               .arg(name));
        }
        throw AppError(QCoreApplication::translate("LibusbTransport", "The programmer %1 cannot be opened: %2")
                           .arg(name, QString::fromUtf8(usb().strerror(opened))));
    }
    // A kernel driver that holds the interface lets go while we use it, and gets it back after.
    usb().setAutoDetachKernelDriver(handle.get(), 1);
    const int claimed = usb().claimInterface(handle.get(), 0);
    if (claimed != 0) {
        if (claimed == LIBUSB_ERROR_BUSY)
            throw AppError(QCoreApplication::translate("LibusbTransport", "Another program is using the programmer %1.")
                               .arg(name));
        throw AppError(QCoreApplication::translate("LibusbTransport", "The programmer %1 cannot be claimed: %2")
                           .arg(name, QString::fromUtf8(usb().strerror(claimed))));
    }
    return std::unique_ptr<LibusbTransport>(new LibusbTransport(std::move(context), std::move(handle), name));
}

LibusbTransport::LibusbTransport(Context context, Handle handle, const QString &name)
    : m_context(std::move(context))
    , m_handle(std::move(handle))
    , m_name(name)
{
}

LibusbTransport::~LibusbTransport()
{
    usb().releaseInterface(m_handle.get(), 0); // then the handle and the context go, in that order
}

void LibusbTransport::fail(int error) const
{
    if (error == LIBUSB_ERROR_NO_DEVICE)
        throw AppError(QCoreApplication::translate("LibusbTransport", "The programmer %1 was unplugged.").arg(m_name));
    if (error == LIBUSB_ERROR_TIMEOUT)
        throw AppError(
            QCoreApplication::translate("LibusbTransport", "The programmer %1 did not answer in time.").arg(m_name));
    throw AppError(QCoreApplication::translate("LibusbTransport", "The transfer with the programmer %1 failed: %2")
                       .arg(m_name, QString::fromUtf8(usb().strerror(error))));
}

void LibusbTransport::bulkWrite(const QByteArray &packet, int timeoutMilliseconds)
{
    QByteArray bytes = packet;
    int sent = 0;
    const int result
        = usb().bulkTransfer(m_handle.get(), P::OutEndpoint, reinterpret_cast<unsigned char *>(bytes.data()),
            static_cast<int>(bytes.size()), &sent, static_cast<unsigned int>(timeoutMilliseconds));
    if (result != 0)
        fail(result);
    if (sent != bytes.size())
        fail(LIBUSB_ERROR_IO);
}

QByteArray LibusbTransport::bulkRead(int length, int timeoutMilliseconds)
{
    QByteArray bytes(std::max(length, static_cast<int>(P::PacketSize)), Qt::Uninitialized);
    int received = 0;
    const int result
        = usb().bulkTransfer(m_handle.get(), P::InEndpoint, reinterpret_cast<unsigned char *>(bytes.data()),
            static_cast<int>(bytes.size()), &received, static_cast<unsigned int>(timeoutMilliseconds));
    if (result != 0)
        fail(result);
    bytes.truncate(std::min(received, length));
    return bytes;
}
