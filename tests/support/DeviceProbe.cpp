#include "DeviceProbe.h"

#include "DevicePath.h"
#include "NorvalexContract.h"
#include "UniqueHandle.h"
#include "Waiting.h"

#include <windows.h>

namespace kit_test {

unsigned long OpenErrorOf(const std::string& path) {
    norvalex::UniqueFile device(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!device)
        return GetLastError();
    DWORD answer = 0;
    DWORD returned = 0;
    if (!DeviceIoControl(device.get(), norvalex::NORVALEX_IOCTL_800, nullptr, 0, &answer,
                         sizeof(answer), &returned, nullptr) &&
        GetLastError() == ERROR_ACCESS_DENIED)
        return ERROR_ACCESS_DENIED;
    return 0;
}

unsigned long DeviceOpenError(int32_t number) {
    return OpenErrorOf(norvalex::DevicePathFor(number));
}

bool BecomesFree(const std::string& path) {
    return WaitUntil([&] { return OpenErrorOf(path) == 0; }, 5000);
}

} // namespace kit_test
