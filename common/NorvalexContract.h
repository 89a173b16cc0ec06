// The names and the control code by which the programs reach the Norvalex
// driver. The loader, the console tester and the stand-in driver all include
// this one header, so the values exist exactly once. It needs no system
// header and no runtime, so the kernel-mode driver can include it too.
#pragma once

#include <stdint.h>

namespace norvalex {

inline constexpr char DriverFileName[] = "Norvalex.sys";
// One text serves as the service name, the display name and the device name.
inline constexpr char ServiceName[] = "NorvalexDevice";
// "\\.\NorvalexDevice": the unnumbered device; numbered ones append the number.
inline constexpr char DevicePath[] = "\\\\.\\NorvalexDevice";

inline constexpr uint32_t FileDeviceUnknown = 0x22;
inline constexpr uint32_t FileAnyAccess = 0;
inline constexpr uint32_t MethodBuffered = 0;

// The Windows CTL_CODE composition.
constexpr uint32_t ComposeControlCode(uint32_t deviceType, uint32_t function, uint32_t method,
                                      uint32_t access) {
    return (deviceType << 16) | (access << 14) | (function << 2) | method;
}

inline constexpr uint32_t Function800 = 0x800;
inline constexpr uint32_t NORVALEX_IOCTL_800 =
    ComposeControlCode(FileDeviceUnknown, Function800, MethodBuffered, FileAnyAccess);
static_assert(NORVALEX_IOCTL_800 == 0x222000, "function 0x800 of an unknown-type device");

// Buffer sizes the programs offer the driver.
inline constexpr uint32_t TesterIoctlBufferSize = 512;
inline constexpr uint32_t Func800AnswerSize = 4;
inline constexpr uint32_t LoaderReadSize = 8;

} // namespace norvalex
