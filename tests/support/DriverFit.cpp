#include "DriverFit.h"

#include "ImageHeader.h"
#include "KitFolders.h"

#include <windows.h>

namespace kit_test {
namespace {

bool WindowsIs64Bit() {
    if (sizeof(void*) == 8)
        return true;
    BOOL underWow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &underWow64) && underWow64;
}

} // namespace

std::string DriverMisfit() {
    IMAGE_FILE_HEADER driver{};
    if (!ReadImageFileHeader(BinPath("Norvalex.sys"), driver))
        return {};
    const bool windows64 = WindowsIs64Bit();
    if (windows64 && driver.Machine == IMAGE_FILE_MACHINE_I386)
        return "64-bit Windows loads only the x64 Norvalex.sys; put it beside the tools to run "
               "this test";
    if (!windows64 && driver.Machine == IMAGE_FILE_MACHINE_AMD64)
        return "32-bit Windows loads only the x86 Norvalex.sys; put it beside the tools to run "
               "this test";
    return {};
}

} // namespace kit_test
