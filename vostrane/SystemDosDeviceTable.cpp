#include "SystemDosDeviceTable.h"

#include <windows.h>

static_assert(dos_device::RawTargetPath == DDD_RAW_TARGET_PATH);
static_assert(dos_device::RemoveDefinition == DDD_REMOVE_DEFINITION);
static_assert(dos_device::ExactMatchOnRemove == DDD_EXACT_MATCH_ON_REMOVE);
static_assert(dos_device::ErrorFileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(dos_device::ErrorInvalidParameter == ERROR_INVALID_PARAMETER);
static_assert(dos_device::ErrorInsufficientBuffer == ERROR_INSUFFICIENT_BUFFER);
static_assert(dos_device::ErrorInvalidName == ERROR_INVALID_NAME);
static_assert(dos_device::ErrorMoreData == ERROR_MORE_DATA);

TQueryResult TSystemDosDeviceTable::Query(const char* DeviceName, char* Buffer, uint32_t Size) {
    TQueryResult Result;
    Result.Length = QueryDosDeviceA(DeviceName, Buffer, Size);
    if (!Result.Succeeded())
        Result.Error = GetLastError();
    return Result;
}

bool TSystemDosDeviceTable::Define(uint32_t Flags, const char* DeviceName, const char* TargetPath) {
    // No DOS name is empty. Wine takes an empty name for the folder of all DOS
    // names, and removing it would take every name of the session with it.
    if (DeviceName && !*DeviceName) {
        SetLastError(ERROR_INVALID_NAME);
        return false;
    }
    return DefineDosDeviceA(Flags, DeviceName, TargetPath) != FALSE;
}
