// Test-side control of the stand-in driver's service, through the service
// manager directly (not through the code under test), so that tests can set
// up and check the service state the programs work on.
#pragma once

#include "KitFolders.h"

#include <string>

namespace kit_test {

enum class ServiceState { Absent, Stopped, Running, Other };

ServiceState QueryServiceState();
// Why the service NorvalexDevice is not the tests' to touch: the file of the
// other driver it runs, or why that cannot be told. Empty when there is no
// such service or when it is the kit's own (registered from the kit's folder).
std::string ForeignDriver();
// Create the service for `binaryPath` (the stand-in driver by default): 0, or
// the system's error. Tries again for a few seconds while the name is still
// held by a service deleted a moment ago (1072).
unsigned long CreateDriverService(const std::string& binaryPath = BinPath("Norvalex.sys"));
// Start and wait until running ("already running" counts): 0, or the system's
// error. Right after Wine's session starts, its service database is locked
// (1055) for a while; this tries again through that, and twice more after
// Wine's failed start of the driver's host process (1359).
unsigned long StartDriverService();
// Stop and wait until stopped; true when it is stopped (or was).
bool StopDriverService();
// Stop if running, delete, and wait until the service is gone. A service of
// another driver (ForeignDriver) is left as it is: false.
bool RemoveDriverService();
// Only waits, doing nothing to the service, until it is in `state`.
bool WaitForServiceState(ServiceState state);

// Owns an installed and running stand-in driver for the length of a scope,
// and removes the service again whatever the test did with it.
class RunningDriver {
  public:
    RunningDriver();
    ~RunningDriver();
    RunningDriver(const RunningDriver&) = delete;
    RunningDriver& operator=(const RunningDriver&) = delete;
    bool ok() const { return error_ == 0; }
    // Why it did not start: the system's error code.
    unsigned long error() const { return error_; }
    // The same in words, for a test's failure message.
    std::string problem() const;

  private:
    unsigned long error_ = 0;
    std::string foreign_;
};

} // namespace kit_test
