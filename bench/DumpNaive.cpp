// `Test_Norvalex r N` as it is first written: every dump entry printed on its
// own through the text-mode stdout.
#include "BenchArguments.h"
#include "DevicePath.h"
#include "NorvalexContract.h"

#include <windows.h>

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string>

int main(int argc, char* argv[]) {
    uint32_t number = 0;
    if (argc != 3) {
        fprintf(stderr, "usage: dump_naive r COUNT\n");
        return 2;
    }
    if (!ParseBenchNumber("COUNT", argv[2], 0, INT32_MAX, number))
        return 2;
    const int count = static_cast<int>(number);
    printf("Test application Test_Norvalex starting...\n");
    const std::string path = norvalex::DevicePathFor(0);
    HANDLE device = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (device == INVALID_HANDLE_VALUE)
        return 1;
    printf("Device found, handle open.\n");
    unsigned char* buffer = static_cast<unsigned char*>(calloc(count > 0 ? count : 1, 1));
    if (buffer == nullptr)
        return 1;
    printf("Reading from device - ");
    DWORD got = 0;
    ReadFile(device, buffer, count, &got, nullptr);
    printf("%d bytes read from device (%d requested).\n", static_cast<int>(got), count);
    for (int p = 0; p < count; p += 26) {
        const int end = p + 26 < count ? p + 26 : count;
        for (int q = p; q < end; ++q)
            printf("%c, ", buffer[q]);
        printf("\n");
    }
    free(buffer);
    return 0;
}
