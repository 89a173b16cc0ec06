// Any bytes, walked as a list of names: every name is non-empty, holds no
// NUL, and together with its end the names never reach past the buffer.
#include "NameList.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const char* Buffer = reinterpret_cast<const char*>(Data);
    size_t Used = 0;
    for (const std::string& Name : name_list::SplitNameList(Buffer, Size)) {
        if (Name.empty() || Name.find('\0') != std::string::npos ||
            Name.compare(0, Name.size(), Buffer + Used, Name.size()) != 0)
            std::abort();
        Used += Name.size() + 1;
    }
    if (Used > Size + 1)
        std::abort();
    return 0;
}
