#include "DriverService.h"

#include "DriverFit.h"
#include "NorvalexContract.h"
#include "UniqueHandle.h"
#include "Waiting.h"

#include <windows.h>

#include <functional>

namespace kit_test {
namespace {

using norvalex::UniqueServiceHandle;

constexpr DWORD WaitLimitMs = 60000;
// How long the name of a service deleted a moment ago may stay taken.
constexpr DWORD RecreateLimitMs = 5000;
constexpr DWORD PollMs = 50;

UniqueServiceHandle OpenManager() {
    return UniqueServiceHandle(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
}

UniqueServiceHandle OpenDriverService(SC_HANDLE manager) {
    return UniqueServiceHandle(OpenServiceA(manager, norvalex::ServiceName, SERVICE_ALL_ACCESS));
}

DWORD CurrentState(SC_HANDLE service) {
    SERVICE_STATUS status{};
    if (!QueryServiceStatus(service, &status))
        return 0;
    return status.dwCurrentState;
}

bool WaitFor(const std::function<bool()>& condition, DWORD limitMs = WaitLimitMs) {
    return WaitUntil(condition, limitMs, PollMs);
}

// Makes `attempt` (0 or the system's error) again while it fails with
// `passing`, for up to `limitMs`; its last answer.
template <typename Attempt> DWORD RetryWhile(DWORD passing, DWORD limitMs, Attempt attempt) {
    DWORD error = 0;
    WaitFor([&] { return (error = attempt()) != passing; }, limitMs);
    return error;
}

} // namespace

ServiceState QueryServiceState() {
    UniqueServiceHandle manager = OpenManager();
    UniqueServiceHandle service = OpenDriverService(manager.get());
    // A service marked for deletion may still be there until its last handle
    // closes: gone is only what the manager no longer knows.
    if (!service)
        return GetLastError() == ERROR_SERVICE_DOES_NOT_EXIST ? ServiceState::Absent
                                                              : ServiceState::Other;
    switch (CurrentState(service.get())) {
    case SERVICE_STOPPED:
        return ServiceState::Stopped;
    case SERVICE_RUNNING:
        return ServiceState::Running;
    default:
        return ServiceState::Other;
    }
}

unsigned long CreateDriverService(const std::string& binaryPath) {
    UniqueServiceHandle manager = OpenManager();
    if (!manager)
        return GetLastError();
    // Windows keeps a deleted service's name for a moment after its last
    // handle closed, and refuses the new one with 1072 meanwhile.
    return RetryWhile(ERROR_SERVICE_MARKED_FOR_DELETE, RecreateLimitMs, [&]() -> DWORD {
        UniqueServiceHandle service(CreateServiceA(
            manager.get(), norvalex::ServiceName, norvalex::ServiceName, SERVICE_ALL_ACCESS,
            SERVICE_KERNEL_DRIVER, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, binaryPath.c_str(),
            nullptr, nullptr, nullptr, nullptr, nullptr));
        return service ? 0 : GetLastError();
    });
}

unsigned long StartDriverService() {
    UniqueServiceHandle manager = OpenManager();
    UniqueServiceHandle service = OpenDriverService(manager.get());
    if (!service)
        return GetLastError();
    const DWORD error = RetryWhile(ERROR_SERVICE_DATABASE_LOCKED, WaitLimitMs, [&]() -> DWORD {
        if (StartServiceA(service.get(), 0, nullptr))
            return 0;
        const DWORD refusal = GetLastError();
        return refusal == ERROR_SERVICE_ALREADY_RUNNING ? 0 : refusal;
    });
    if (error)
        return error;
    return WaitFor([&] { return CurrentState(service.get()) == SERVICE_RUNNING; })
               ? 0
               : ERROR_SERVICE_REQUEST_TIMEOUT;
}

bool StopDriverService() {
    UniqueServiceHandle manager = OpenManager();
    UniqueServiceHandle service = OpenDriverService(manager.get());
    if (!service)
        return false;
    SERVICE_STATUS status{};
    ControlService(service.get(), SERVICE_CONTROL_STOP, &status);
    return WaitFor([&] { return CurrentState(service.get()) == SERVICE_STOPPED; });
}

bool RemoveDriverService() {
    {
        UniqueServiceHandle manager = OpenManager();
        UniqueServiceHandle service = OpenDriverService(manager.get());
        if (service && CurrentState(service.get()) != SERVICE_STOPPED) {
            SERVICE_STATUS status{};
            ControlService(service.get(), SERVICE_CONTROL_STOP, &status);
            WaitFor([&] { return CurrentState(service.get()) == SERVICE_STOPPED; });
        }
        if (service)
            DeleteService(service.get());
    }
    // Also when it could not be opened: one marked for deletion by someone
    // else goes once their handles close.
    return WaitForServiceState(ServiceState::Absent);
}

bool WaitForServiceState(ServiceState state) {
    return WaitFor([state] { return QueryServiceState() == state; });
}

RunningDriver::RunningDriver() {
    // The tests skip on a driver that cannot load here; nothing to try.
    if (!DriverMisfit().empty()) {
        error_ = ERROR_BAD_EXE_FORMAT;
        return;
    }
    RemoveDriverService();
    error_ = CreateDriverService();
    if (!error_)
        error_ = StartDriverService();
}

RunningDriver::~RunningDriver() {
    RemoveDriverService();
}

} // namespace kit_test
