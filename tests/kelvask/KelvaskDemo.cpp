// Walks Kelvask's typical use in a running Kelvask, for the demo, and prints
// what the window showed:
//   kelvask_demo prepare          remove the driver's service, so that Load installs it
//   kelvask_demo walk [DESKTOP]   Load, Open device 0, FUNC (800H), Read
//   kelvask_demo finish [DESKTOP] Close, Unload, close the window
// DESKTOP names the desktop Kelvask runs on (a virtual desktop's name).
#include "DeviceProbe.h"
#include "KelvaskWindow.h"

#include "DriverService.h"

#include <cstdio>
#include <string>

using namespace kit_test;

namespace {

std::string Utf8(const std::wstring& text) {
    int length = static_cast<int>(text.size());
    int needed = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, utf8.data(), needed, nullptr, nullptr);
    return utf8;
}

void Say(const std::wstring& button, const std::wstring& shown) {
    std::wstring padded = button + std::wstring(button.size() < 13 ? 13 - button.size() : 0, L' ');
    std::printf("Kelvask: %s -> %s\n", Utf8(padded).c_str(), Utf8(shown).c_str());
    std::fflush(stdout);
}

bool Fail(const char* what) {
    std::printf("Kelvask demo: %s\n", what);
    return false;
}

const wchar_t* StateName(ServiceState state) {
    switch (state) {
    case ServiceState::Absent:
        return L"absent";
    case ServiceState::Stopped:
        return L"stopped";
    case ServiceState::Running:
        return L"running";
    case ServiceState::Other:
        break;
    }
    return L"changing";
}

bool Walk(KelvaskWindow& window) {
    if (!Click(window.btnLoad))
        return Fail("no click");
    WaitUntil([] { return QueryServiceState() == ServiceState::Running; }, 60000);
    Say(L"Загрузить", L"service NorvalexDevice " + std::wstring(StateName(QueryServiceState())));

    window.SetDeviceNumber(L"0");
    Say(L"Открыть (0)", L"box \"Confirm\": " + window.OpenAndAnswer(L"Confirm"));

    bool answered = window.ClickAndWaitForOutput(window.btnFunc1, L"305419896");
    Say(L"FUNC (800H)", window.Output());
    if (!answered)
        return Fail("FUNC (800H) did not show the driver's answer");

    bool read = window.ClickAndWaitForOutput(window.Button1, L"41 42 43 44 45 46 47 48 ");
    Say(L"Read", window.Output());
    if (!read)
        return Fail("Read did not show the eight bytes");
    return true;
}

bool Finish(KelvaskWindow& window) {
    Click(window.btnClose);
    DWORD error = 0;
    bool freed = WaitUntil([&] { return (error = DeviceOpenError(0)) == 0; });
    Say(L"Закрыть", freed ? L"device 0 free again"
                          : L"device 0 not free (error " + std::to_wstring(error) + L")");

    Click(window.btnUnload);
    WaitUntil([] { return QueryServiceState() == ServiceState::Absent; }, 60000);
    Say(L"Выгрузить", L"service NorvalexDevice " + std::wstring(StateName(QueryServiceState())));
    return window.Close() && freed && QueryServiceState() == ServiceState::Absent;
}

} // namespace

int main(int argc, char** argv) {
    std::string step = argc > 1 ? argv[1] : "";
    if (step == "prepare")
        return RemoveDriverService() ? 0 : 1;
    if (step != "walk" && step != "finish") {
        std::printf("usage: kelvask_demo prepare | walk [DESKTOP] | finish [DESKTOP]\n");
        return 2;
    }
    if (argc > 2) {
        // Windows are found only on the finder's own desktop.
        HDESK desktop = nullptr;
        WaitUntil(
            [&] { return (desktop = OpenDesktopA(argv[2], 0, FALSE, GENERIC_ALL)) != nullptr; },
            60000);
        if (!desktop || !SetThreadDesktop(desktop)) {
            Fail("cannot join the desktop");
            return 1;
        }
    }
    HWND form = nullptr;
    // The window shows once all its controls are made.
    WaitUntil(
        [&] {
            form = FindWindowW(L"TForm", L"Kelvask");
            return form && IsWindowVisible(form);
        },
        60000);
    if (!form) {
        Fail("no Kelvask window");
        return 1;
    }
    KelvaskWindow window(form);
    if (!window.Ready()) {
        Fail("a control of the window is missing");
        return 1;
    }
    return (step == "walk" ? Walk(window) : Finish(window)) ? 0 : 1;
}
