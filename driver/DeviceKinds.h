// The two kinds of device the driver makes, and for each the one choice of
// how it takes an open, a read and a control request, whether the system is
// to let only one open in at a time, and whether only administrators may.
#pragma once

#include "Kernel.h"

namespace norvalex::standin {

enum class DeviceKind {
    StandIn, // stands in for a Norvalex device: one open at a time, recorded
    Records, // hands out the records to any number of opens
};

using RequestHandler = NTSTATUS (*)(DEVICE_OBJECT* device, IRP* irp);

struct KindHandling {
    bool exclusive;          // IoCreateDevice's Exclusive argument
    bool administratorsOnly; // opened by System and administrators alone
    RequestHandler create;
    RequestHandler read;
    RequestHandler control;
};

// Defined with the handlers (Dispatch.cpp).
const KindHandling& HandlingOf(DeviceKind kind);

} // namespace norvalex::standin
