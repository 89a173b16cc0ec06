// Vostrane started for a test, with its controls found the way a user sees
// them, and the system's DOS name table as the test itself reads it.
#pragma once

#include "UiAutomation.h"

#include <string>
#include <vector>

class VostraneWindow {
  public:
    VostraneWindow();

    bool Ready() const { return ready_; }
    DWORD ProcessId() const { return program_.ProcessId(); }

    // Clicks a button and returns once its handler has run.
    bool ClickAndWait(HWND button) const;
    // Double-clicks the list and returns once its handler has run.
    bool DoubleClickList() const;
    bool SetDosName(const std::wstring& text) const;
    bool SetNtName(const std::wstring& text) const;
    std::wstring Status() const { return kit_test::GetText(StatusBar); }
    std::vector<std::wstring> ListItems() const;

    HWND form = nullptr;
    HWND StatusBar = nullptr;
    HWND lbNameList = nullptr;
    HWND Panel1 = nullptr;
    HWND Label1 = nullptr;
    HWND Label2 = nullptr;
    HWND NTDeviceName = nullptr;
    HWND DOSDeviceName = nullptr;
    HWND btnGetName = nullptr;
    HWND btnAddName = nullptr;
    HWND btnDelName = nullptr;
    HWND btnGetList = nullptr;

  private:
    kit_test::TestedProgram program_;
    bool ready_ = false;
};

// A DOS name that the test defines: absent when the guard is made, and every
// definition of it removed again when the guard goes, however the test ends.
// Names have two characters at most: Wine builds the link name in a buffer of
// 15 characters, 12 of them "\DosDevices\", and a longer name overflows it.
// Pick names that no Windows defines (no "X:" drive letter, no COM, LPT, AUX,
// NUL, PRN or CON).
class DosNameGuard {
  public:
    explicit DosNameGuard(std::string name);
    ~DosNameGuard();
    DosNameGuard(const DosNameGuard&) = delete;
    DosNameGuard& operator=(const DosNameGuard&) = delete;

    const std::string& Name() const { return name_; }
    std::wstring WideName() const { return std::wstring(name_.begin(), name_.end()); }

  private:
    void RemoveAll() const;
    std::string name_;
};

// The table as the system gives it to the test, with room for any answer.
// Defined is what the system answers a lookup for, also with an empty target.
bool IsDefined(const std::string& name);
std::vector<std::string> Targets(const std::string& name);
std::vector<std::string> SystemNames();
// The system drive's letter ("C:"): a DOS name that every Windows defines.
std::string SystemDriveName();

// Line height of the window layer's form font on this screen (13 at 96 dpi).
