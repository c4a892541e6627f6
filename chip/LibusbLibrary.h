// Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
#pragma once

#include <libusb.h>

// libusb's calls, loaded when the programmer is first looked for rather than at start: most runs
// never touch USB, and the library brings libudev with it (about 130 KiB of memory at start).
struct LibusbLibrary
{
    decltype(&libusb_init) init;
    decltype(&libusb_exit) exit;
    decltype(&libusb_get_device_list) getDeviceList;
    decltype(&libusb_free_device_list) freeDeviceList;
    decltype(&libusb_get_device_descriptor) getDeviceDescriptor;
    decltype(&libusb_get_bus_number) getBusNumber;
    decltype(&libusb_get_device_address) getDeviceAddress;
    decltype(&libusb_open) open;
    decltype(&libusb_close) close;
    decltype(&libusb_set_auto_detach_kernel_driver) setAutoDetachKernelDriver;
    decltype(&libusb_claim_interface) claimInterface;
    decltype(&libusb_release_interface) releaseInterface;
    decltype(&libusb_bulk_transfer) bulkTransfer;
    decltype(&libusb_strerror) strerror;

    // The calls, or nothing where the library is not installed (then no programmer can be used).
    static const LibusbLibrary *get();
};
