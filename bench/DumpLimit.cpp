// The least that `Test_Norvalex r N` can cost: one read from device 0, the
// whole text laid out in one buffer by one tight loop, one write. Writes the
// same bytes as the tester (text-mode CR LF included).
#include "DevicePath.h"
#include "NorvalexContract.h"

#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 3)
        return 2;
    const unsigned long count = strtoul(argv[2], nullptr, 10);
    const std::string path = norvalex::DevicePathFor(0);
    HANDLE device = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (device == INVALID_HANDLE_VALUE)
        return 1;
    unsigned char* data = static_cast<unsigned char*>(calloc(count > 0 ? count : 1, 1));
    DWORD got = 0;
    ReadFile(device, data, count, &got, nullptr);

    char head[256];
    const int headLength = snprintf(head, sizeof(head),
                                    "Test application Test_Norvalex starting...\r\n"
                                    "Device found, handle open.\r\n"
                                    "Reading from device - %lu bytes read from device "
                                    "(%lu requested).\r\n",
                                    static_cast<unsigned long>(got), count);
    char* text = static_cast<char*>(malloc(headLength + 4 * count + 2 * (count / 26 + 1)));
    if (data == nullptr || text == nullptr)
        return 1;
    memcpy(text, head, headLength);
    char* out = text + headLength;
    for (unsigned long p = 0; p < count;) {
        const unsigned long end = p + 26 < count ? p + 26 : count;
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
