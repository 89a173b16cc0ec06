// Who may open a device. IoCreateDevice without a descriptor lets every user
// read and write it, which suits the stand-in devices (the tester runs as the
// user); the records device hands out other programs' requests.
#pragma once

#include "Kernel.h"

namespace norvalex::standin {

// Replaces the device's DACL with one that admits System and the
// Administrators group alone. Call it before the device has a DOS name.
NTSTATUS AdmitOnlyAdministrators(DEVICE_OBJECT* device);

} // namespace norvalex::standin
