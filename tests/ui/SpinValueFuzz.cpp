// Any text reads to some value without fault, and every value's decimal
// rendering reads back to itself, with or without blanks in front.
#include "SpinValue.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    int32_t value = ReadSpinValue(text);
    if (ReadSpinValue(std::to_string(value)) != value)
        abort();
    if (ReadSpinValue("  " + std::to_string(value)) != value)
        abort();
    if (size >= sizeof(int32_t)) {
        int32_t raw = 0;
        std::memcpy(&raw, data, sizeof(raw));
        if (ReadSpinValue(std::to_string(raw)) != raw)
            abort();
    }
    return 0;
}
