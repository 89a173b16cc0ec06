#include "DrvLoader.h"

#include "DevicePath.h"
#include "LoaderText.h"
#include "MessageBox.h"
#include "SystemErrorText.h"
#include "UniqueHandle.h"

using norvalex::UniqueServiceHandle;

uint32_t CtlCode(uint32_t Function) {
    return norvalex::ComposeControlCode(norvalex::FileDeviceUnknown, Function,
                                        norvalex::MethodBuffered, norvalex::FileAnyAccess);
}

void ShowErrorBox(const std::string& Text) {
    // The system's text comes in the system's ANSI code page, not in the program's.
    ShowMessageBox(Text, "Error", TMessageIcon::Error, TCodePage::System);
}

namespace {

UniqueServiceHandle OpenServiceManager(DWORD Access) {
    return UniqueServiceHandle(OpenSCManagerA(nullptr, nullptr, Access));
}

UniqueServiceHandle OpenDriverService(const UniqueServiceHandle& Manager, DWORD Access) {
    return UniqueServiceHandle(OpenServiceA(Manager.get(), ServiceName, Access));
}

} // namespace

TNorvalexLoader::TNorvalexLoader() = default;

TNorvalexLoader::~TNorvalexLoader() {
    CloseDevice();
}

void TNorvalexLoader::ShowSystemError() {
    DWORD code = GetLastError();
    FReportError(SystemErrorText(code));
}

bool TNorvalexLoader::InstallDriver(const std::string& Directory) {
    UniqueServiceHandle manager = OpenServiceManager(SC_MANAGER_ALL_ACCESS);
    if (!manager)
        return false;
    // No quotes: the service manager takes the path as it stands.
    std::string binaryPath = Directory + DriverFileName;
    UniqueServiceHandle service(
        CreateServiceA(manager.get(), ServiceName, ServiceName, SERVICE_ALL_ACCESS,
                       SERVICE_KERNEL_DRIVER, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL,
                       binaryPath.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr));
    if (!service) {
        ShowSystemError();
        return false;
    }
    return true;
}

bool TNorvalexLoader::RemoveDriver() {
    UniqueServiceHandle manager = OpenServiceManager(SC_MANAGER_ALL_ACCESS);
    if (!manager)
        return false;
    UniqueServiceHandle service = OpenDriverService(manager, SERVICE_ALL_ACCESS);
    if (!service)
        return false;
    DeleteService(service.get());
    return true;
}

bool TNorvalexLoader::StartDriver() {
    UniqueServiceHandle manager = OpenServiceManager(SC_MANAGER_CONNECT);
    if (!manager)
        return false;
    UniqueServiceHandle service = OpenDriverService(manager, SERVICE_START);
    if (!service)
        return false;
    const char* noArguments[] = {nullptr};
    StartServiceA(service.get(), 0, noArguments);
    return true;
}

bool TNorvalexLoader::StopDriver() {
    UniqueServiceHandle manager = OpenServiceManager(SC_MANAGER_CONNECT);
    if (!manager)
        return false;
    UniqueServiceHandle service = OpenDriverService(manager, SERVICE_STOP);
    if (!service)
        return false;
    SERVICE_STATUS status{};
    ControlService(service.get(), SERVICE_CONTROL_STOP, &status);
    return true;
}

bool TNorvalexLoader::OpenDevice(int32_t Number) {
    // A device held from an earlier open would otherwise leak, and would keep
    // the (exclusive) device busy for this very open.
    CloseDevice();
    std::string path = norvalex::DevicePathFor(Number);
    FDevice = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (FDevice == INVALID_HANDLE_VALUE) {
        ShowSystemError();
        return false;
    }
    return true;
}

void TNorvalexLoader::CloseDevice() {
    if (FDevice != INVALID_HANDLE_VALUE)
        CloseHandle(FDevice);
    FDevice = INVALID_HANDLE_VALUE;
}

uint32_t TNorvalexLoader::CallFunc800() {
    // Stays 0 when no device is open or the driver answers nothing.
    DWORD answer = 0;
    if (FDevice == INVALID_HANDLE_VALUE)
        return answer;
    DWORD returned = 0;
    DeviceIoControl(FDevice, CtlCode(norvalex::Function800), nullptr, 0, &answer, sizeof(answer),
                    &returned, nullptr);
    return answer;
}

void TNorvalexLoader::ReadBytes(std::string& Text) {
    uint8_t buffer[norvalex::LoaderReadSize] = {};
    Text.clear();
    if (FDevice == INVALID_HANDLE_VALUE)
        return;
    DWORD got = 0;
    if (!ReadFile(FDevice, buffer, sizeof(buffer), &got, nullptr))
        ShowSystemError();
    Text = loader_text::RenderBytes(buffer);
}
