// Whose driver a NorvalexDevice service runs, told from its registered file:
// the kit's tests, and Kelvask beside them, register the driver only from the
// kit's own folder. Any other file is another driver's, most likely the real
// one on a developer's machine, which no test may stop or delete.
#pragma once

#include <string>

namespace kit_test {

// Whether `registered` (a service's binary path as the system keeps it) names
// a file in `kitFolder` (a full path ending in a backslash). Quotes around it,
// the system's NT prefixes ("\??\", "\\?\") and the case of ASCII letters do
// not count. A path that climbs out with "." or ".." is not the kit's.
bool IsKitDriverPath(const std::string& registered, const std::string& kitFolder);

} // namespace kit_test
