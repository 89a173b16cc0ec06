// The calls the kit's programs make on the stand-in's devices, each returning
// what the caller sees: success, the system error code and the data.
#pragma once

#include "UniqueHandle.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace kit_test {

struct Opened {
    norvalex::UniqueFile file;
    DWORD error = 0;
};

// Opens as the loader does (read and write access, share mode 0); -1 is the
// unnumbered device.
Opened OpenDevice(int32_t number);

struct Transfer {
    bool ok = false;
    DWORD error = 0;
    DWORD count = 0;
    std::vector<uint8_t> data; // the first `count` bytes of the caller's buffer
};

Transfer ReadDevice(HANDLE device, DWORD count);
Transfer WriteDevice(HANDLE device, const std::vector<uint8_t>& data);
// A control request with `inputSize` bytes of input (null when 0) and an
// `outputSize`-byte output buffer (null when 0).
Transfer Control(HANDLE device, DWORD code, DWORD inputSize, DWORD outputSize);

// The first four bytes of an answer, as the loader reads them.
uint32_t AnswerOf(const Transfer& transfer);

} // namespace kit_test
