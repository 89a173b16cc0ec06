#include "DeviceNameLogic.h"

#include "NameList.h"

#include <cstring>

using namespace dos_device;
using name_list::NameBufferSize;

void TDeviceNameLogic::btnGetNameClick() {
    std::string DosName = FView.DosDeviceName();
    char Buffer[NameBufferSize];
    TQueryResult Result = FTable.Query(DosName.c_str(), Buffer, NameBufferSize);
    if (Result.Succeeded())
        FView.SetNtDeviceName(std::string(Buffer, strnlen(Buffer, NameBufferSize)));
    else
        FView.ShowNtDeviceMessage(device_name_text::DeviceMissing);
}

void TDeviceNameLogic::btnAddNameClick() {
    std::string DosName = FView.DosDeviceName();
    std::string NtName = FView.NtDeviceName();
    if (!FTable.Define(RawTargetPath, DosName.c_str(), NtName.c_str()))
        FView.ShowStatus(device_name_text::AddFailed);
}

void TDeviceNameLogic::btnDelNameClick() {
    std::string DosName = FView.DosDeviceName();
    char Buffer[NameBufferSize];
    if (!FTable.Query(DosName.c_str(), Buffer, NameBufferSize).Succeeded()) {
        FView.ShowStatus(device_name_text::NameUndefined);
        return;
    }
    std::string NtName = FView.NtDeviceName();
    // An empty target equals none of the name's targets, yet the system would
    // take it as "the most recent one" and remove that.
    if (NtName.empty() || !FTable.Define(RawTargetPath | RemoveDefinition | ExactMatchOnRemove,
                                         DosName.c_str(), NtName.c_str()))
        FView.ShowStatus(device_name_text::RemoveFailed);
}

void TDeviceNameLogic::btnGetListClick() {
    FView.ClearNameList();
    FView.AppendToNameList(name_list::QueryAllNames(FTable));
}

void TDeviceNameLogic::lbNameListDblClick() {
    FView.SortNameListOnce();
}
