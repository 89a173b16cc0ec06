// Test-side control of the stand-in driver's service, through the service
// manager directly (not through the code under test), so that tests can set
// up and check the service state the programs work on.
#pragma once

#include "KitFolders.h"

#include <string>

namespace kit_test {

enum class ServiceState { Absent, Stopped, Running, Other };

ServiceState QueryServiceState();
// Create the service for `binaryPath` (the stand-in driver by default).
bool CreateDriverService(const std::string& binaryPath = BinPath("Norvalex.sys"));
// Start and wait until running. Right after Wine's session starts its service
// database is locked (1055) for a while; this retries through that.
bool StartDriverService();
// Stop and wait until stopped; true when it is stopped (or was).
bool StopDriverService();
// Stop if running, delete, and wait until the service is gone.
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
    bool ok() const { return ok_; }

  private:
    bool ok_ = false;
};

} // namespace kit_test
