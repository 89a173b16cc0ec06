// The one way the tests wait for the system: poll a condition until it holds
// or a deadline passes. No test sleeps for a fixed time instead.
#pragma once

#include <windows.h>

#include <functional>

namespace kit_test {

// Polls `condition` every `pollMs` until it holds or `timeoutMs` has passed;
// true if it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs = 20);

} // namespace kit_test
