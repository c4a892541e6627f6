// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#include "chip/LibusbLibrary.h"

#include <QLibrary>
#include <optional>

namespace {
std::optional<LibusbLibrary> loadLibusb()
{
    // The library's own soname, as the package that depends on it installs it; kept loaded.
    QLibrary library(QStringLiteral("usb-1.0"), 0);
    if (!library.load())
        return std::nullopt;
    bool complete = true;
    const auto resolve = [&](auto &call, const char *name) {
        call = reinterpret_cast<std::remove_reference_t<decltype(call)>>(library.resolve(name));
        complete = complete && call;
    };
    LibusbLibrary calls {};
    resolve(calls.init, "libusb_init");
    resolve(calls.exit, "libusb_exit");
    resolve(calls.getDeviceList, "libusb_get_device_list");
    resolve(calls.freeDeviceList, "libusb_free_device_list");
    resolve(calls.getDeviceDescriptor, "libusb_get_device_descriptor");
    resolve(calls.getBusNumber, "libusb_get_bus_number");
    resolve(calls.getDeviceAddress, "libusb_get_device_address");
    resolve(calls.open, "libusb_open");
    resolve(calls.close, "libusb_close");
    resolve(calls.setAutoDetachKernelDriver, "libusb_set_auto_detach_kernel_driver");
    resolve(calls.claimInterface, "libusb_claim_interface");
    resolve(calls.releaseInterface, "libusb_release_interface");
    resolve(calls.bulkTransfer, "libusb_bulk_transfer");
    resolve(calls.strerror, "libusb_strerror");
    return complete ? std::optional(calls) : std::nullopt;
}
} // namespace

const LibusbLibrary *LibusbLibrary::get()
{
    static const std::optional<LibusbLibrary> calls = loadLibusb(); // once, thread-safe
    return calls ? &*calls : nullptr;
}
