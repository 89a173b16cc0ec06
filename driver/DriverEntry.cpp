// Norvalex.sys, the stand-in for the Norvalex driver: the kit's programs and
// tests load it as a kernel-driver service and talk to its devices.
#include "Devices.h"
#include "Dispatch.h"
#include "Mapping.h"

using namespace norvalex::standin;

namespace {

VOID NTAPI DriverUnload(DRIVER_OBJECT* driver) {
    DeleteStandInDevices(driver);
}

} // namespace

extern "C" NTSTATUS NTAPI DriverEntry(DRIVER_OBJECT* driver, UNICODE_STRING*) {
    driver->MajorFunction[IRP_MJ_CREATE] = DispatchCreate;
    driver->MajorFunction[IRP_MJ_CLEANUP] = DispatchCleanup;
    driver->MajorFunction[IRP_MJ_CLOSE] = DispatchClose;
    driver->MajorFunction[IRP_MJ_READ] = DispatchRead;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DispatchDeviceControl;
    driver->DriverUnload = DriverUnload;
    ChooseMappingPriority();
    return CreateStandInDevices(driver);
}
