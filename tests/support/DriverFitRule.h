// Which Norvalex.sys a Windows loads, by processor: its own width's only, and
// on ARM64 neither of the kit's. Plain data, so that the host tests the rule.
#pragma once

#include <cstdint>
#include <string>

namespace kit_test {

// The image file header's Machine values.
constexpr uint16_t MachineI386 = 0x014c;
constexpr uint16_t MachineAmd64 = 0x8664;
constexpr uint16_t MachineArm64 = 0xaa64;

// Empty when a Windows on the `native` processor loads a driver built for
// `driver`; otherwise what the user must change.
std::string DriverMisfitFor(uint16_t native, uint16_t driver);

} // namespace kit_test
