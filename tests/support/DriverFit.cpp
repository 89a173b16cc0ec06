#include "DriverFit.h"

#include "DriverFitRule.h"
#include "ImageHeader.h"
#include "KitFolders.h"

#include <windows.h>

namespace kit_test {
namespace {

// The processor the system itself runs on, whatever this program's width:
// under WOW64 and under the x64 emulation of Windows on ARM64 the program
// sees an x86 or x64 machine, which IsWow64Process2 sees through. Where it
// is missing (before Windows 10 1709, which brought Windows on ARM64), WOW64
// means a 64-bit x64 system.
uint16_t NativeMachine() {
    using IsWow64Process2Call = BOOL(WINAPI*)(HANDLE, USHORT*, USHORT*);
    const auto isWow64Process2 = reinterpret_cast<IsWow64Process2Call>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process2")));
    USHORT process = 0;
    USHORT native = 0;
    if (isWow64Process2 && isWow64Process2(GetCurrentProcess(), &process, &native))
        return native;
    if (sizeof(void*) == 8)
        return MachineAmd64;
    BOOL underWow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &underWow64) && underWow64 ? MachineAmd64
                                                                          : MachineI386;
}

} // namespace

std::string DriverMisfit() {
    IMAGE_FILE_HEADER driver{};
    if (!ReadImageFileHeader(BinPath("Norvalex.sys"), driver))
        return {};
    return DriverMisfitFor(NativeMachine(), driver.Machine);
}

} // namespace kit_test
