#include "DriverFitRule.h"

namespace kit_test {

std::string DriverMisfitFor(uint16_t native, uint16_t driver) {
    if (native == MachineArm64)
        return "Windows on ARM64 loads neither the x86 nor the x64 Norvalex.sys; the driver's "
               "tests run on x86 and x64 Windows only";
    if (native == MachineAmd64 && driver != MachineAmd64)
        return "64-bit Windows loads only the x64 Norvalex.sys; put it beside the tools to run "
               "this test";
    if (native == MachineI386 && driver != MachineI386)
        return "32-bit Windows loads only the x86 Norvalex.sys; put it beside the tools to run "
               "this test";
    return {};
}

} // namespace kit_test
