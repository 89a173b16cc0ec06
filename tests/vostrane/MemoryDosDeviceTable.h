// A DOS device table held in memory that answers as the system documents it,
// including what the test system's table does not do: several targets per
// name (newest first), names compared without regard to case, removal of the
// exactly matching target (else of the newest target that starts with the
// given one, or of the newest at all for an empty target), and lists of any
// length. It records every call so that tests can check what was asked.
#pragma once

#include "DosDeviceTable.h"

#include <optional>
#include <string>
#include <vector>

class TMemoryDosDeviceTable : public TDosDeviceTable {
  public:
    struct TQueryCall {
        std::optional<std::string> DeviceName;
        uint32_t Size;
    };
    struct TDefineCall {
        uint32_t Flags;
        std::optional<std::string> DeviceName;
        std::optional<std::string> TargetPath;
    };

    TQueryResult Query(const char* DeviceName, char* Buffer, uint32_t Size) override;
    bool Define(uint32_t Flags, const char* DeviceName, const char* TargetPath) override;

    // Targets of `DeviceName`, newest first; empty when it is not defined.
    std::vector<std::string> Targets(const std::string& DeviceName) const;
    // The defined names, in the order they were first defined.
    std::vector<std::string> Names() const;

    const std::vector<TQueryCall>& QueryCalls() const { return FQueryCalls; }
    const std::vector<TDefineCall>& DefineCalls() const { return FDefineCalls; }

  private:
    struct TEntry {
        std::string Name;
        std::vector<std::string> Targets;
    };

    std::vector<TEntry>::iterator Find(const std::string& DeviceName);
    bool Remove(uint32_t Flags, const std::string& DeviceName, const std::string& TargetPath);

    std::vector<TEntry> FEntries;
    std::vector<TQueryCall> FQueryCalls;
    std::vector<TDefineCall> FDefineCalls;
};
