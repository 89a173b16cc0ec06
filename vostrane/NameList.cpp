#include "NameList.h"

#include <algorithm>
#include <cstring>

namespace name_list {

std::vector<std::string> SplitNameList(const char* Buffer, size_t Size) {
    std::vector<std::string> Names;
    const char* Position = Buffer;
    const char* End = Buffer + Size;
    while (Position < End) {
        const char* Nul = static_cast<const char*>(std::memchr(Position, '\0', End - Position));
        const char* NameEnd = Nul ? Nul : End;
        if (NameEnd == Position)
            break;
        Names.emplace_back(Position, NameEnd);
        Position = NameEnd + (Nul ? 1 : 0);
    }
    return Names;
}

static bool WantsMoreRoom(uint32_t Error) {
    return Error == dos_device::ErrorInsufficientBuffer || Error == dos_device::ErrorMoreData;
}

std::vector<std::string> QueryAllNames(TDosDeviceTable& Table) {
    uint32_t Size = FirstListBufferSize;
    for (;;) {
        std::vector<char> Buffer(Size);
        TQueryResult Result = Table.Query(nullptr, Buffer.data(), Size);
        if (Result.Succeeded())
            return SplitNameList(Buffer.data(), std::min(Result.Length, Size));
        if (!WantsMoreRoom(Result.Error) || Size >= ListBufferLimit)
            return {};
        Size = std::min(Size * 2, ListBufferLimit);
    }
}

} // namespace name_list
