#pragma once

#include <cstdint>
#include <string>

namespace norvalex {

// Path of device `number`: -1 is the unnumbered device, any other number is
// appended in signed decimal ("\\.\NorvalexDevice0", "\\.\NorvalexDevice-5").
std::string DevicePathFor(int32_t number);

} // namespace norvalex
