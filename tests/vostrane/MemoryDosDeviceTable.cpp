#include "MemoryDosDeviceTable.h"

#include <algorithm>
#include <cctype>

using namespace dos_device;

namespace {

std::optional<std::string> Optional(const char* Text) {
    return Text ? std::optional<std::string>(Text) : std::nullopt;
}

// The texts, each ended by a NUL, and one more NUL; or a failure for want of room.
TQueryResult Store(const std::vector<std::string>& Texts, char* Buffer, uint32_t Size) {
    size_t Needed = 1;
    for (const std::string& Text : Texts)
        Needed += Text.size() + 1;
    if (Needed > Size)
        return {0, ErrorInsufficientBuffer};
    for (const std::string& Text : Texts)
        Buffer = std::copy(Text.c_str(), Text.c_str() + Text.size() + 1, Buffer);
    *Buffer = '\0';
    return {static_cast<uint32_t>(Needed), 0};
}

bool SameName(const std::string& Left, const std::string& Right) {
    return std::equal(Left.begin(), Left.end(), Right.begin(), Right.end(), [](char A, char B) {
        return std::toupper(static_cast<unsigned char>(A)) ==
               std::toupper(static_cast<unsigned char>(B));
    });
}

} // namespace

std::vector<TMemoryDosDeviceTable::TEntry>::iterator
TMemoryDosDeviceTable::Find(const std::string& DeviceName) {
    return std::find_if(FEntries.begin(), FEntries.end(),
                        [&](const TEntry& Entry) { return SameName(Entry.Name, DeviceName); });
}

TQueryResult TMemoryDosDeviceTable::Query(const char* DeviceName, char* Buffer, uint32_t Size) {
    FQueryCalls.push_back({Optional(DeviceName), Size});
    if (!DeviceName)
        return Store(Names(), Buffer, Size);
    auto Entry = Find(DeviceName);
    if (Entry == FEntries.end())
        return {0, ErrorFileNotFound};
    return Store(Entry->Targets, Buffer, Size);
}

bool TMemoryDosDeviceTable::Define(uint32_t Flags, const char* DeviceName, const char* TargetPath) {
    FDefineCalls.push_back({Flags, Optional(DeviceName), Optional(TargetPath)});
    if (!DeviceName || !*DeviceName)
        return false;
    std::string Target = TargetPath ? TargetPath : "";
    if (Flags & RemoveDefinition)
        return Remove(Flags, DeviceName, Target);
    if (Target.empty())
        return false;
    auto Entry = Find(DeviceName);
    if (Entry == FEntries.end())
        Entry = FEntries.insert(FEntries.end(), TEntry{DeviceName, {}});
    Entry->Targets.insert(Entry->Targets.begin(), Target);
    return true;
}

// An empty target removes the newest; otherwise the newest target that
// equals the given one (exact match) or starts with it.
bool TMemoryDosDeviceTable::Remove(uint32_t Flags, const std::string& DeviceName,
                                   const std::string& TargetPath) {
    auto Entry = Find(DeviceName);
    if (Entry == FEntries.end())
        return false;
    std::vector<std::string>& Targets = Entry->Targets;
    auto Match = std::find_if(Targets.begin(), Targets.end(), [&](const std::string& Target) {
        if (TargetPath.empty())
            return true;
        if (Flags & ExactMatchOnRemove)
            return Target == TargetPath;
        return Target.compare(0, TargetPath.size(), TargetPath) == 0;
    });
    if (Match == Targets.end())
        return false;
    Targets.erase(Match);
    if (Targets.empty())
        FEntries.erase(Entry);
    return true;
}

std::vector<std::string> TMemoryDosDeviceTable::Targets(const std::string& DeviceName) const {
    for (const TEntry& Entry : FEntries)
        if (SameName(Entry.Name, DeviceName))
            return Entry.Targets;
    return {};
}

std::vector<std::string> TMemoryDosDeviceTable::Names() const {
    std::vector<std::string> Names;
    for (const TEntry& Entry : FEntries)
        Names.push_back(Entry.Name);
    return Names;
}
