// The requests the stand-in's devices answer. Writes have no handler: the
// I/O manager refuses them as it does for any driver without one.
#pragma once

#include "Kernel.h"

namespace norvalex::standin {

NTSTATUS NTAPI DispatchCreate(DEVICE_OBJECT* device, IRP* irp);
NTSTATUS NTAPI DispatchCleanup(DEVICE_OBJECT* device, IRP* irp);
NTSTATUS NTAPI DispatchClose(DEVICE_OBJECT* device, IRP* irp);
NTSTATUS NTAPI DispatchRead(DEVICE_OBJECT* device, IRP* irp);
NTSTATUS NTAPI DispatchDeviceControl(DEVICE_OBJECT* device, IRP* irp);

} // namespace norvalex::standin
