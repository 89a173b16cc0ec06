#include "DriverService.h"

#include "DriverFit.h"
#include "KitDriverPath.h"
#include "NorvalexContract.h"
#include "UniqueHandle.h"
#include "Waiting.h"

#include <windows.h>

#include <functional>
#include <vector>

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

std::string ForeignDriver() {
    const auto unreadable = [](const char* what) {
        return std::string(what) + " (error " + std::to_string(GetLastError()) + ")";
    };
    UniqueServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager)
        return unreadable("the service manager cannot be asked which driver it runs");
    UniqueServiceHandle service(
        OpenServiceA(manager.get(), norvalex::ServiceName, SERVICE_QUERY_CONFIG));
    if (!service)
        return GetLastError() == ERROR_SERVICE_DOES_NOT_EXIST
                   ? std::string()
                   : unreadable("it cannot be asked which driver it runs");
    DWORD needed = 0;
    QueryServiceConfigA(service.get(), nullptr, 0, &needed);
    std::vector<char> storage(needed + sizeof(QUERY_SERVICE_CONFIGA));
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(storage.data());
    if (!QueryServiceConfigA(service.get(), config, static_cast<DWORD>(storage.size()), &needed))
        return unreadable("it cannot be asked which driver it runs");
    const std::string file = config->lpBinaryPathName ? config->lpBinaryPathName : "";
    if (IsKitDriverPath(file, BinDir()))
        return {};
    return "it runs another driver, " + (file.empty() ? std::string("of no file") : file);
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
    const auto start = [&]() -> DWORD {
        return RetryWhile(ERROR_SERVICE_DATABASE_LOCKED, WaitLimitMs, [&]() -> DWORD {
            if (StartServiceA(service.get(), 0, nullptr))
                return 0;
            const DWORD refusal = GetLastError();
            return refusal == ERROR_SERVICE_ALREADY_RUNNING ? 0 : refusal;
        });
    };
    // Wine's service manager starts a driver in a new winedevice.exe, and its
    // 64-bit loader now and then fails such a start before the process runs
    // (see tools/wine-session): the driver's start then fails with 1359, and
    // one more start works. Windows gives 1359 for no such reason.
    DWORD error = start();
    for (int again = 0; again < 2 && error == ERROR_INTERNAL_ERROR; ++again)
        error = start();
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
    if (!ForeignDriver().empty())
        return false;
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
    foreign_ = ForeignDriver();
    if (!foreign_.empty()) {
        error_ = ERROR_SERVICE_EXISTS;
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

std::string RunningDriver::problem() const {
    if (!foreign_.empty())
        return "the service NorvalexDevice is not the tests' to replace: " + foreign_ +
               "; unload that driver first";
    return "error " + std::to_string(error_);
}

} // namespace kit_test
