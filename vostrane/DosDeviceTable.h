// The system's table of DOS device names, seen through the two calls the
// window makes on it. The program uses the system's table; tests put an
// in-memory table in its place to reach states the test system cannot show.
#pragma once

#include <cstdint>

namespace dos_device {

// Flags of the define call, with the system's values.
inline constexpr uint32_t RawTargetPath = 1;
inline constexpr uint32_t RemoveDefinition = 2;
inline constexpr uint32_t ExactMatchOnRemove = 4;

// System error codes the window tells apart.
inline constexpr uint32_t ErrorFileNotFound = 2;
inline constexpr uint32_t ErrorInvalidParameter = 87;
inline constexpr uint32_t ErrorInsufficientBuffer = 122;
inline constexpr uint32_t ErrorInvalidName = 123;
inline constexpr uint32_t ErrorMoreData = 234;

} // namespace dos_device

// Answer of a query: the number of bytes stored (the final NULs included),
// or 0 and the system's error code.
struct TQueryResult {
    uint32_t Length = 0;
    uint32_t Error = 0;

    bool Succeeded() const { return Length != 0; }
};

class TDosDeviceTable {
  public:
    virtual ~TDosDeviceTable() = default;

    // Targets of `DeviceName`, newest first, each ended by a NUL, then one more
    // NUL. A null `DeviceName` asks for every DOS name instead, in the same form.
    virtual TQueryResult Query(const char* DeviceName, char* Buffer, uint32_t Size) = 0;

    // Adds `TargetPath` as the newest target of `DeviceName`, or with
    // RemoveDefinition removes one of its targets.
    virtual bool Define(uint32_t Flags, const char* DeviceName, const char* TargetPath) = 0;
};
