// Kelvask's window with its controls found the way a user sees them:
// buttons by caption, the output line as the read-only edit, the device
// number as the edit that the arrows step.
#pragma once

#include "UiAutomation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

class KelvaskWindow {
  public:
    // Starts Kelvask from the build's bin folder; it is closed again at the end.
    KelvaskWindow();
    // The window of a Kelvask that runs already.
    explicit KelvaskWindow(HWND form);

    bool Ready() const { return ready_; }
    DWORD ProcessId() const { return processId_; }
    bool Close();
    // Waits for the program to end by itself: its exit code, or STILL_ACTIVE.
    DWORD WaitForEnd() const;

    std::wstring Output() const { return kit_test::GetText(EOutput); }
    // Clicks a button whose work ends in the output line, and waits for `text` there.
    bool ClickAndWaitForOutput(HWND button, const std::wstring& text) const;
    // Puts a text into the device number as a paste would.
    bool SetDeviceNumber(const std::wstring& text) const;
    // Clicks "Открыть" and answers the one box it should show; the box's text.
    std::wstring OpenAndAnswer(const std::wstring& boxTitle) const;
    // The message box of this window with this title: its text, after pressing OK.
    std::wstring AnswerBox(const std::wstring& boxTitle) const;
    // No message box of the program is showing.
    bool NoBoxShown() const;
    // The box titled `title` shows the system icon `icon` and not `other`.
    ::testing::AssertionResult BoxShowsIcon(const std::wstring& title, kit_test::SystemIcon icon,
                                            kit_test::SystemIcon other) const;

    HWND form = nullptr;
    HWND Bevel1 = nullptr;
    HWND Bevel2 = nullptr;
    HWND btnLoad = nullptr;
    HWND btnUnload = nullptr;
    HWND btnOpen = nullptr;
    HWND btnClose = nullptr;
    HWND btnFunc1 = nullptr;
    HWND EOutput = nullptr;
    HWND Button1 = nullptr;
    HWND SpinEdit1 = nullptr;
    HWND SpinArrows = nullptr;

  private:
    void FindControls();

    std::unique_ptr<kit_test::TestedProgram> program_;
    DWORD processId_ = 0;
    bool ready_ = false;
};

// The text the loader's error box shows for a system error code: the system's
// message without trailing blanks, control characters and full stops.
std::wstring SystemErrorText(DWORD code);
