#include "Mapping.h"

#include "DeviceBehaviour.h"
#include "MappingPolicy.h"

namespace norvalex::standin {
namespace {

// Microsoft's wdm.h value; mingw-w64's headers lack the flag.
constexpr ULONG MdlMappingNoExecute = 0x40000000;

ULONG mappingPriority = NormalPagePriority;

// The system's own mapping of the whole buffer, where it has one: nonpaged
// pool, or a mapping made above this driver. Under Wine every read's buffer
// comes so; Wine's kernel also has no IoBuildPartialMdl.
uint8_t* SystemMapping(const MDL* buffer) {
    if (buffer->MdlFlags & (MDL_MAPPED_TO_SYSTEM_VA | MDL_SOURCE_IS_NONPAGED_POOL))
        return static_cast<uint8_t*>(buffer->MappedSystemVa);
    return nullptr;
}

uint8_t* MapWindow(MDL* buffer, MDL* window, uint8_t* address, ULONG length) {
    IoBuildPartialMdl(buffer, window, address, length);
    return static_cast<uint8_t*>(
        MmGetSystemAddressForMdlSafe(window, static_cast<MM_PAGE_PRIORITY>(mappingPriority)));
}

} // namespace

void ChooseMappingPriority() {
    RTL_OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    if (NT_SUCCESS(RtlGetVersion(&version)) &&
        MapsNoExecute(version.dwMajorVersion, version.dwMinorVersion))
        mappingPriority = NormalPagePriority | MdlMappingNoExecute;
}

// A mapped buffer costs no further system space; any other is mapped one
// window at a time. Both are filled window by window, so the loop that a
// Windows read runs also runs under Wine.
NTSTATUS FillThroughWindows(MDL* buffer, ULONG count) {
    uint8_t* const mapped = SystemMapping(buffer);
    uint8_t* const start = static_cast<uint8_t*>(MmGetMdlVirtualAddress(buffer));
    // One partial MDL serves every window: each starts at the first one's
    // offset into a page, so none spans more pages than the first.
    MDL* window = nullptr;
    if (!mapped) {
        const ULONG first = count < ReadWindowBytes ? count : ReadWindowBytes;
        window = IoAllocateMdl(start, first, FALSE, FALSE, nullptr);
        if (!window)
            return STATUS_INSUFFICIENT_RESOURCES;
    }
    const bool filled = ForEachWindow(count, [&](ULONG done, ULONG length) {
        uint8_t* target = mapped ? mapped + done : MapWindow(buffer, window, start + done, length);
        if (!target)
            return false;
        FillPattern(target, done, length);
        // The window's mapping goes before the next is built over it.
        if (window)
            MmPrepareMdlForReuse(window);
        return true;
    });
    if (window)
        IoFreeMdl(window);
    return filled ? STATUS_SUCCESS : STATUS_INSUFFICIENT_RESOURCES;
}

} // namespace norvalex::standin
