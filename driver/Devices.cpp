#include "Devices.h"

#include "DeviceSecurity.h"
#include "RequestRecords.h"

namespace norvalex::standin {
namespace {

// "<prefix><base><number>" into `text`, described by `name`; the unnumbered
// device gets no number, a negative one its minus sign.
void ComposeName(const WCHAR* prefix, const char* base, int32_t number, WCHAR (&text)[NameCapacity],
                 UNICODE_STRING& name) {
    USHORT length = 0;
    auto append = [&](WCHAR c) {
        if (length + 1 < NameCapacity)
            text[length++] = c;
    };
    for (const WCHAR* p = prefix; *p; ++p)
        append(*p);
    for (const char* p = base; *p; ++p)
        append(static_cast<WCHAR>(*p));
    if (number != UnnumberedDevice) {
        if (number < 0)
            append(L'-');
        uint32_t magnitude =
            number < 0 ? 0u - static_cast<uint32_t>(number) : static_cast<uint32_t>(number);
        WCHAR digits[10];
        int count = 0;
        do {
            digits[count++] = static_cast<WCHAR>(L'0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        while (count > 0)
            append(digits[--count]);
    }
    text[length] = L'\0';
    name.Buffer = text;
    name.Length = static_cast<USHORT>(length * sizeof(WCHAR));
    name.MaximumLength = static_cast<USHORT>(NameCapacity * sizeof(WCHAR));
}

NTSTATUS CreateDevice(DRIVER_OBJECT* driver, const char* base, int32_t number, DeviceKind kind) {
    WCHAR deviceText[NameCapacity];
    UNICODE_STRING deviceName;
    ComposeName(L"\\Device\\", base, number, deviceText, deviceName);

    const KindHandling& handling = HandlingOf(kind);
    // Secure open: an open that names something below the device is checked
    // against the device's own security, as the open of the device itself.
    DEVICE_OBJECT* device = nullptr;
    NTSTATUS status = IoCreateDevice(driver, sizeof(DeviceState), &deviceName, FILE_DEVICE_UNKNOWN,
                                     FILE_DEVICE_SECURE_OPEN, handling.exclusive, &device);
    if (!NT_SUCCESS(status))
        return status;
    // Reads land in the caller's buffer as the I/O manager maps it (an MDL),
    // so a large read needs no pool copy of its own.
    device->Flags |= DO_DIRECT_IO;
    // Restricted before it has a DOS name, and a device left open to every
    // user is not made at all.
    if (handling.administratorsOnly) {
        status = AdmitOnlyAdministrators(device);
        if (!NT_SUCCESS(status)) {
            IoDeleteDevice(device);
            return status;
        }
    }

    DeviceState* state = StateOf(device);
    state->number = number;
    state->kind = kind;
    state->behaviour = BehaviourOf(number);
    state->held = 0;
    ComposeName(L"\\DosDevices\\", base, number, state->linkText, state->link);
    status = IoCreateSymbolicLink(&state->link, &deviceName);
    if (!NT_SUCCESS(status)) {
        // Without its link the device is unreachable; the unload must not
        // delete a link it never made.
        IoDeleteDevice(device);
        return status;
    }
    // DO_DEVICE_INITIALIZING stays: the I/O manager clears it for every
    // device made in DriverEntry when that returns, so none is opened while
    // the others are still being made.
    return STATUS_SUCCESS;
}

} // namespace

NTSTATUS CreateStandInDevices(DRIVER_OBJECT* driver) {
    NTSTATUS status = CreateDevice(driver, ServiceName, UnnumberedDevice, DeviceKind::StandIn);
    for (int32_t number = 0; NT_SUCCESS(status) && number < DeviceCount; ++number)
        status = CreateDevice(driver, ServiceName, number, DeviceKind::StandIn);
    if (NT_SUCCESS(status))
        status = CreateDevice(driver, ServiceName, NegativeDevice, DeviceKind::StandIn);
    if (NT_SUCCESS(status))
        status = CreateDevice(driver, RecordsDeviceName, UnnumberedDevice, DeviceKind::Records);
    if (!NT_SUCCESS(status))
        DeleteStandInDevices(driver);
    return status;
}

void DeleteStandInDevices(DRIVER_OBJECT* driver) {
    DEVICE_OBJECT* device = driver->DeviceObject;
    while (device) {
        DEVICE_OBJECT* next = device->NextDevice;
        IoDeleteSymbolicLink(&StateOf(device)->link);
        IoDeleteDevice(device);
        device = next;
    }
}

} // namespace norvalex::standin
