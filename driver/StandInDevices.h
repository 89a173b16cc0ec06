// What the stand-in Norvalex.sys offers, for the driver itself and for the
// tests that exercise the programs against it. No system header, no runtime.
#pragma once

#include <stdint.h>

namespace norvalex::standin {

// Device numbers ("\\.\NorvalexDevice<n>"); the unnumbered device behaves as Normal.
inline constexpr int32_t NormalDevice = 0;
inline constexpr int32_t ShortReadDevice = 1; // every read delivers at most ShortReadCount bytes
inline constexpr int32_t AllOnesDevice = 2;   // function 0x800 answers 0xFFFFFFFF
inline constexpr int32_t FailingDevice = 3;   // reads and control requests fail
inline constexpr int32_t DeviceCount = 4;     // numbers 0 .. DeviceCount-1 exist
// One more normal device, under a negative number ("\\.\NorvalexDevice-5").
inline constexpr int32_t NegativeDevice = -5;

inline constexpr uint32_t ShortReadCount = 3;
inline constexpr uint32_t Func800Answer = 0x12345678;
inline constexpr uint32_t AllOnesAnswer = 0xFFFFFFFF;

// Byte at position `offset` of every read: 'A', 'B', ... through all 256
// values, so a short read is readable and a long one holds every byte value.
constexpr uint8_t PatternByte(uint32_t offset) {
    return static_cast<uint8_t>(0x41 + offset);
}

// Win32 error codes the programs see for the driver's refusals.
inline constexpr uint32_t FailingDeviceError = 1117; // ERROR_IO_DEVICE (STATUS_IO_DEVICE_ERROR)
inline constexpr uint32_t AlreadyOpenError = 5;      // ERROR_ACCESS_DENIED (STATUS_ACCESS_DENIED)
inline constexpr uint32_t MissingDeviceError = 2;    // ERROR_FILE_NOT_FOUND

} // namespace norvalex::standin
