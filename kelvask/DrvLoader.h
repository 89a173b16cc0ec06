// TNorvalexLoader: the one object between the test window and the driver.
// It registers Norvalex.sys as a kernel-driver service, starts, stops and
// deletes it, and opens one of the driver's devices to call function 0x800
// and read eight bytes. Failed system calls that the user must see are shown
// by the operation itself through the error reporter.
#pragma once

#include "NorvalexContract.h"
#include "TObject.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

using norvalex::DevicePath;
using norvalex::DriverFileName;
using norvalex::ServiceName;

// Control code of `Function` for an unknown-type device, any access, buffered.
uint32_t CtlCode(uint32_t Function);

// Shows a system error text to the user. The program's reporter is a modal
// box with the stop icon, the title "Error" and one "OK" button; tests put a
// recorder in its place.
using TErrorReporter = std::function<void(const std::string& Text)>;
void ShowErrorBox(const std::string& Text);

class TNorvalexLoader : public TObject {
  public:
    TNorvalexLoader();
    ~TNorvalexLoader() override;

    bool InstallDriver(const std::string& Directory);
    bool RemoveDriver();
    bool StartDriver();
    bool StopDriver();

    bool OpenDevice(int32_t Number);
    void CloseDevice();
    uint32_t CallFunc800();
    void ReadBytes(std::string& Text);

    void SetErrorReporter(TErrorReporter Reporter) { FReportError = std::move(Reporter); }

  private:
    // The system's text for GetLastError(), trimmed, through the reporter.
    void ShowSystemError();

    HANDLE FDevice = INVALID_HANDLE_VALUE;
    TErrorReporter FReportError = ShowErrorBox;
};
