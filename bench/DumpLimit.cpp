// The least that `Test_Norvalex r N` can cost: one read from device 0, the
// whole text laid out in one buffer by one tight loop, one write. Writes the
// same bytes as the tester (text-mode CR LF included).
#include "BenchArguments.h"
#include "DevicePath.h"
#include "NorvalexContract.h"

#include <windows.h>

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>

int main(int argc, char* argv[]) {
    uint32_t count = 0;
    if (argc != 3) {
        fprintf(stderr, "usage: dump_limit r COUNT\n");
        return 2;
    }
    if (!ParseBenchNumber("COUNT", argv[2], 0, INT32_MAX, count))
        return 2;
    const std::string path = norvalex::DevicePathFor(0);
    HANDLE device = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (device == INVALID_HANDLE_VALUE) {
        fprintf(stderr, "dump_limit: cannot open %s (error %lu)\n", path.c_str(), GetLastError());
        return 1;
    }
    unsigned char* data = static_cast<unsigned char*>(calloc(count > 0 ? count : 1, 1));
    if (data == nullptr) {
        fprintf(stderr, "dump_limit: no room for %lu bytes\n", static_cast<unsigned long>(count));
        return 1;
    }
    DWORD got = 0;
    ReadFile(device, data, count, &got, nullptr);

    char head[256];
    const int headLength =
        snprintf(head, sizeof(head),
                 "Test application Test_Norvalex starting...\r\n"
                 "Device found, handle open.\r\n"
                 "Reading from device - %lu bytes read from device "
                 "(%lu requested).\r\n",
                 static_cast<unsigned long>(got), static_cast<unsigned long>(count));
    // An entry is the byte, a comma and a space: 3 bytes, 4 when the byte is a
    // line feed and gets its CR. So 4 bytes an entry is the worst case and
    // needs no pass over the data; then CR LF a line of 26. In 64 bits, as
    // the size outgrows 32 bits from about 1 G entries.
    const uint64_t size =
        static_cast<uint64_t>(headLength) + 4ull * count + 2ull * ((count + 25ull) / 26);
    char* text = size <= SIZE_MAX ? static_cast<char*>(malloc(static_cast<size_t>(size))) : nullptr;
    if (text == nullptr) {
        fprintf(stderr, "dump_limit: no room for a text of %llu bytes\n",
                static_cast<unsigned long long>(size));
        return 1;
    }
    memcpy(text, head, headLength);
    char* out = text + headLength;
    for (uint32_t p = 0; p < count;) {
        const uint32_t end = count - p > 26 ? p + 26 : count;
        for (; p < end; ++p) {
            if (data[p] == '\n')
                *out++ = '\r';
            *out++ = static_cast<char>(data[p]);
            *out++ = ',';
            *out++ = ' ';
        }
        *out++ = '\r';
        *out++ = '\n';
    }
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text, static_cast<DWORD>(out - text), &written,
              nullptr);
    return 0;
}
