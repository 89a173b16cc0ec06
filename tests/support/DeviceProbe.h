// Whether a device of the stand-in driver could be opened right now, seen
// from outside the program under test.
#pragma once

#include <cstdint>
#include <string>

namespace kit_test {

// The error an open of `path` meets: 0 when it opens, 5 (access denied) while
// another open holds the device, 2 when there is no such device. Wine hands
// out the handle even for a refused open and the driver refuses its first
// request instead; this reports both as 5. The probe's own open is closed
// before it returns.
unsigned long OpenErrorOf(const std::string& path);
// The same for device `number` (-1: the unnumbered device).
unsigned long DeviceOpenError(int32_t number);
// Whether `path` opens now or within a few seconds. Wine answers an open of a
// device before the driver has, and lets the driver see the close of that
// handle only once it has answered the open: a later open can overtake the
// close and find the device still held. On Windows both are done when
// CreateFile and CloseHandle return.
bool BecomesFree(const std::string& path);

} // namespace kit_test
