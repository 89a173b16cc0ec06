// Console tester of the Norvalex driver: opens device 0, then carries out the
// command pairs of its command line in order (read and dump, control code,
// refused write). Every failure it detects ends the run with exit code 1.
#include "CommandDispatch.h"
#include "DevicePath.h"
#include "DumpOutput.h"
#include "IoctlTable.h"
#include "NorvalexContract.h"

#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string>

using namespace test_norvalex;

namespace {

const std::string device_path = norvalex::DevicePathFor(0);
HANDLE device_handle = INVALID_HANDLE_VALUE;

unsigned LastError() {
    return static_cast<unsigned>(GetLastError());
}

HANDLE open_device() {
    return CreateFileA(device_path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                       OPEN_EXISTING, 0, nullptr);
}

void close_device() {
    if (device_handle != INVALID_HANDLE_VALUE && !CloseHandle(device_handle))
        printf("ERROR: CloseHandle returns %0x.\n", LastError());
    device_handle = INVALID_HANDLE_VALUE;
}

[[noreturn]] void exit_on_error(int code) {
    printf("Exiting...\n\n");
    close_device();
    exit(code);
}

void list_ioctl_codes() {
    for (int32_t k = 0; k < ioctl_entry_count; ++k) {
        if (k == 0)
            printf("         IO control code index\n");
        printf("           %d is code %s [%x]\n", static_cast<int>(k), ioctl_names[k],
               static_cast<unsigned>(ioctl_codes[k]));
    }
}

[[noreturn]] void print_usage() {
    printf("Usage: Test_Norvalex [r n] [w n] [i n]\n");
    printf("       r initiates a read of specified number of bytes\n");
    printf("       w initiates a write of specified number of bytes\n");
    printf("       i initiates an IO Control Code message with specified index value\n");
    list_ioctl_codes();
    printf("Example:\n");
    printf("    Test_Norvalex r 32 w 32\n");
    printf("        read 32 bytes, then write 32 bytes\n");
    exit_on_error(1);
}

void read_test(int32_t count) {
    const size_t size = static_cast<size_t>(count);
    // Cleared, so positions the driver does not deliver dump as zero bytes.
    unsigned char* buffer = static_cast<unsigned char*>(calloc(size > 0 ? size : 1, 1));
    if (buffer == nullptr) {
        printf("Failed to allocate buffer for read");
        exit_on_error(1);
    }
    printf("Reading from device - ");
    DWORD got = 0;
    ReadFile(device_handle, buffer, static_cast<DWORD>(size), &got, nullptr);
    printf("%d bytes read from device (%d requested).\n", static_cast<int>(got),
           static_cast<int>(count));
    WriteDump(buffer, size);
    free(buffer);
}

void ioctl_test() {
    char input[norvalex::TesterIoctlBufferSize] = {};
    char output[norvalex::TesterIoctlBufferSize];
    DWORD returned = 0;
    printf("Issuing Ioctl to device - ");
    if (!DeviceIoControl(device_handle, ioctl_codes[0], input, sizeof(input), output,
                         sizeof(output), &returned, nullptr)) {
        printf("ERROR: DeviceIoControl returns %0x.", LastError());
        exit_on_error(1);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    printf("Test application Test_Norvalex starting...\n");
    device_handle = open_device();
    if (device_handle == INVALID_HANDLE_VALUE) {
        printf("ERROR opening device: (%0x) returned from CreateFile\n", LastError());
        exit_on_error(1);
    }
    printf("Device found, handle open.\n");
    if (argc < 2)
        print_usage();
    for (int i = 1; i < argc; i += 2) {
        const CommandDecision command = DecideCommand(argc, argv, i, ioctl_entry_count);
        switch (command.action) {
        case CommandAction::Read:
            read_test(command.number);
            break;
        case CommandAction::Write:
            printf("Driver does not have a write handler\n");
            break;
        case CommandAction::Ioctl:
            ioctl_test();
            break;
        case CommandAction::IndexTooLarge:
            printf("IO control code index must be less than %d\n",
                   static_cast<int>(ioctl_entry_count));
            list_ioctl_codes();
            exit_on_error(1);
        case CommandAction::Usage:
            print_usage();
        }
    }
    return 0;
}
