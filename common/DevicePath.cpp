#include "DevicePath.h"

#include "NorvalexContract.h"

namespace norvalex {

std::string DevicePathFor(int32_t number) {
    std::string path = DevicePath;
    if (number != -1)
        path += std::to_string(number);
    return path;
}

} // namespace norvalex
