// What the stand-in's devices were asked, kept so that tests can see how a
// program opened a device and what buffers it offered: the records device
// hands out the latest records. No system header, no runtime.
#pragma once

#include "NorvalexContract.h"

#include <stdint.h>

namespace norvalex::standin {

// "\\.\NorvalexRecords": any number of opens; reads nothing, answers one
// control code with the latest records, oldest first.
inline constexpr char RecordsDeviceName[] = "NorvalexRecords";
inline constexpr uint32_t ReadRecordsCode =
    ComposeControlCode(FileDeviceUnknown, 0x900, MethodBuffered, FileAnyAccess);
inline constexpr uint32_t RecordCapacity = 64;

enum class RequestKind : uint32_t { Create = 1, Control = 2 };
// A value the system did not pass to the driver (Wine passes no security
// context with an open, so neither the desired access nor the attributes).
inline constexpr uint32_t NotPassed = 0xFFFFFFFF;

struct RequestRecord {
    uint32_t sequence; // 1, 2, ... in the order the requests arrived since the driver started
    int32_t device;    // the device's number; -1 for the unnumbered device
    uint32_t kind;     // a RequestKind
    uint32_t desiredAccess;
    uint32_t shareAccess;
    uint32_t fileAttributes;
    uint32_t controlCode;
    uint32_t inputLength;
    uint32_t outputLength;
};

} // namespace norvalex::standin
