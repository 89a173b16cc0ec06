// The stand-in's device objects: one unnumbered device, the numbered ones and
// the records device, each with its DOS link, created when the driver starts
// and deleted when it is unloaded.
#pragma once

#include "DeviceBehaviour.h"
#include "DeviceKinds.h"
#include "Kernel.h"

namespace norvalex::standin {

// Long enough for "\DosDevices\" + the longer base name + any 32-bit number.
inline constexpr USHORT NameCapacity = 64;

struct DeviceState {
    int32_t number;
    DeviceKind kind;
    DeviceBehaviour behaviour;
    // 1 while a handle holds the device: it allows one open at a time.
    volatile LONG held;
    WCHAR linkText[NameCapacity];
    UNICODE_STRING link;
};

inline DeviceState* StateOf(DEVICE_OBJECT* device) {
    return static_cast<DeviceState*>(device->DeviceExtension);
}

// Creates every device and link; on failure removes those already made.
NTSTATUS CreateStandInDevices(DRIVER_OBJECT* driver);
void DeleteStandInDevices(DRIVER_OBJECT* driver);

} // namespace norvalex::standin
