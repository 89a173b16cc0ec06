#include "ServiceAccessRecorder.h"

#include <cstring>

namespace kit_test {
namespace {

using OpenManagerFunction = SC_HANDLE(WINAPI*)(LPCSTR, LPCSTR, DWORD);
using OpenServiceFunction = SC_HANDLE(WINAPI*)(SC_HANDLE, LPCSTR, DWORD);

OpenManagerFunction systemOpenManager = nullptr;
OpenServiceFunction systemOpenService = nullptr;
std::vector<AccessRequest>* requests = nullptr;

SC_HANDLE WINAPI RecordOpenManager(LPCSTR machine, LPCSTR database, DWORD access) {
    if (requests)
        requests->push_back({"OpenSCManagerA", access});
    return systemOpenManager(machine, database, access);
}

SC_HANDLE WINAPI RecordOpenService(SC_HANDLE manager, LPCSTR name, DWORD access) {
    if (requests)
        requests->push_back({"OpenServiceA", access});
    return systemOpenService(manager, name, access);
}

// The import table slot of `function` from `dll` in this program, or null.
void** ImportSlot(const char* dll, const char* function) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* descriptor = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
    for (; descriptor->Name; ++descriptor) {
        if (_stricmp(reinterpret_cast<char*>(base + descriptor->Name), dll) != 0)
            continue;
        auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->FirstThunk);
        auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->OriginalFirstThunk);
        for (; slot->u1.Function; ++slot, ++name) {
            if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal))
                continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<char*>(byName->Name), function) == 0)
                return reinterpret_cast<void**>(&slot->u1.Function);
        }
    }
    return nullptr;
}

// Puts `replacement` into the slot and returns what was there.
void* Exchange(void** slot, void* replacement) {
    DWORD protection = 0;
    VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &protection);
    void* previous = *slot;
    *slot = replacement;
    VirtualProtect(slot, sizeof(*slot), protection, &protection);
    return previous;
}

} // namespace

ServiceAccessRecorder::ServiceAccessRecorder()
    : managerSlot_(ImportSlot("advapi32.dll", "OpenSCManagerA")),
      serviceSlot_(ImportSlot("advapi32.dll", "OpenServiceA")) {
    if (!managerSlot_ || !serviceSlot_)
        return;
    systemOpenManager = reinterpret_cast<OpenManagerFunction>(
        Exchange(managerSlot_, reinterpret_cast<void*>(&RecordOpenManager)));
    systemOpenService = reinterpret_cast<OpenServiceFunction>(
        Exchange(serviceSlot_, reinterpret_cast<void*>(&RecordOpenService)));
    installed_ = true;
}

ServiceAccessRecorder::~ServiceAccessRecorder() {
    if (!installed_)
        return;
    Exchange(managerSlot_, reinterpret_cast<void*>(systemOpenManager));
    Exchange(serviceSlot_, reinterpret_cast<void*>(systemOpenService));
}

std::vector<AccessRequest> ServiceAccessRecorder::During(const std::function<void()>& action) {
    std::vector<AccessRequest> made;
    requests = &made;
    action();
    requests = nullptr;
    return made;
}

} // namespace kit_test
