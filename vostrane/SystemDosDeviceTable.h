// The system's own DOS device table, through the ANSI calls. An empty name is
// refused before the system sees it.
#pragma once

#include "DosDeviceTable.h"

class TSystemDosDeviceTable : public TDosDeviceTable {
  public:
    TQueryResult Query(const char* DeviceName, char* Buffer, uint32_t Size) override;
    bool Define(uint32_t Flags, const char* DeviceName, const char* TargetPath) override;
};
