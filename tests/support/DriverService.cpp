#include "DriverService.h"

#include "NorvalexContract.h"
#include "UniqueHandle.h"

#include <windows.h>

namespace kit_test {
namespace {

using norvalex::UniqueServiceHandle;

constexpr DWORD WaitLimitMs = 60000;
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

template <typename Condition> bool WaitFor(Condition condition) {
    for (DWORD waited = 0; waited < WaitLimitMs; waited += PollMs) {
        if (condition())
            return true;
        Sleep(PollMs);
    }
    return condition();
}

} // namespace

ServiceState QueryServiceState() {
    UniqueServiceHandle manager = OpenManager();
    UniqueServiceHandle service = OpenDriverService(manager.get());
    if (!service)
        return ServiceState::Absent;
    switch (CurrentState(service.get())) {
    case SERVICE_STOPPED:
        return ServiceState::Stopped;
    case SERVICE_RUNNING:
        return ServiceState::Running;
    default:
        return ServiceState::Other;
    }
}

bool CreateDriverService(const std::string& binaryPath) {
    UniqueServiceHandle manager = OpenManager();
    UniqueServiceHandle service(CreateServiceA(
        manager.get(), norvalex::ServiceName, norvalex::ServiceName, SERVICE_ALL_ACCESS,
        SERVICE_KERNEL_DRIVER, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, binaryPath.c_str(),
        nullptr, nullptr, nullptr, nullptr, nullptr));
    return static_cast<bool>(service);
}

bool StartDriverService() {
    UniqueServiceHandle manager = OpenManager();
    UniqueServiceHandle service = OpenDriverService(manager.get());
    if (!service)
        return false;
    bool started = WaitFor([&] {
        if (StartServiceA(service.get(), 0, nullptr))
            return true;
        DWORD error = GetLastError();
        return error == ERROR_SERVICE_ALREADY_RUNNING;
    });
    return started && WaitFor([&] { return CurrentState(service.get()) == SERVICE_RUNNING; });
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
        if (!service)
            return true;
        if (CurrentState(service.get()) != SERVICE_STOPPED) {
            SERVICE_STATUS status{};
            ControlService(service.get(), SERVICE_CONTROL_STOP, &status);
            WaitFor([&] { return CurrentState(service.get()) == SERVICE_STOPPED; });
        }
        DeleteService(service.get());
    }
    return WaitForServiceState(ServiceState::Absent);
}

bool WaitForServiceState(ServiceState state) {
    return WaitFor([state] { return QueryServiceState() == state; });
}

RunningDriver::RunningDriver() {
    RemoveDriverService();
    ok_ = CreateDriverService() && StartDriverService();
}

RunningDriver::~RunningDriver() {
    RemoveDriverService();
}

} // namespace kit_test
