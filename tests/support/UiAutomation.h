// Drives the kit's windows from outside, as a user would: starts a program,
// finds its windows and controls, clicks, types, reads texts, and answers the
// message boxes. Every wait has a deadline and polls for its condition.
#pragma once

#include "UniqueHandle.h"
#include "Waiting.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace kit_test {

constexpr DWORD UiWaitMs = 20000;

// Polls `condition` until it holds or the windows' deadline has passed.
inline bool WaitUntil(const std::function<bool()>& condition) {
    return WaitUntil(condition, UiWaitMs);
}

// A window program started for a test. The destructor closes its window and,
// should it not end, ends the process, so no test leaves a program behind.
class TestedProgram {
  public:
    explicit TestedProgram(const std::string& commandLine);
    ~TestedProgram();
    TestedProgram(const TestedProgram&) = delete;
    TestedProgram& operator=(const TestedProgram&) = delete;

    bool Started() const { return static_cast<bool>(process_); }
    DWORD ProcessId() const { return processId_; }
    // The program's top-level window with this title and class (any class when
    // empty), once it is visible.
    HWND WaitForWindow(const std::wstring& title, const std::wstring& className = L"",
                       DWORD timeoutMs = UiWaitMs) const;
    // Asks the main window to close and waits for the process to end.
    bool Close(HWND mainWindow, DWORD timeoutMs = UiWaitMs);
    bool WaitForExit(DWORD timeoutMs = UiWaitMs) const;
    // The exit code once the program has ended.
    DWORD ExitCode() const;

  private:
    norvalex::UniqueKernelObject process_;
    DWORD processId_ = 0;
};

// Visible top-level windows of a process, optionally of one class and title.
std::vector<HWND> TopLevelWindows(DWORD processId, const std::wstring& className = L"");
HWND FindTopLevelWindow(DWORD processId, const std::wstring& title,
                        const std::wstring& className = L"");

// Line height of the windows' font ("MS Sans Serif", 8 point) on this screen:
// the scale the window layer applies is this / 13.
int FormLineHeight();

std::wstring ClassName(HWND window);
// The window's text through WM_GETTEXT, as wide characters or in the ANSI code page.
std::wstring GetText(HWND window);
std::string GetTextAnsi(HWND window);
bool SetText(HWND window, const std::wstring& text);

// Direct children in the parent's order (the order of keyboard navigation).
std::vector<HWND> Children(HWND parent);
// The index-th child of the class (counted in that order), or by its text.
HWND FindChild(HWND parent, const std::wstring& className, int index = 0);
HWND FindChildByText(HWND parent, const std::wstring& className, const std::wstring& text);
// Position and size of a window within its parent's client area.
RECT RectInParent(HWND window);
RECT ClientRect(HWND window);
// The window that has the keyboard focus in the thread that owns `window`.
HWND FocusedWindow(HWND window);
// Presses Tab in `form` until `control` has the focus; false if it never gets it.
bool TabTo(HWND form, HWND control);

// A click as the button's own message: posted, so a modal box it opens does
// not hold up the test.
bool Click(HWND button);
bool PostKey(HWND window, WORD virtualKey);
bool PostChar(HWND window, wchar_t character);
bool WaitForText(HWND window, const std::wstring& text, DWORD timeoutMs = UiWaitMs);

// A message box of the process with this title, once it shows.
HWND WaitForMessageBox(DWORD processId, const std::wstring& title, DWORD timeoutMs = UiWaitMs);
// The box's message: the text of its first static control that has one.
std::wstring MessageBoxText(HWND box);
// The colour the screen shows at a point of the window's client area.
COLORREF ScreenPixel(HWND window, int x, int y);
// The system's message-box icons, by their resource numbers (IDI_ERROR, IDI_QUESTION).
enum class SystemIcon : WORD { Stop = 32513, Question = 32514 };
// How much of the system's `icon` the box shows: the share of the icon's
// opaque pixels that the screen shows alike, from 0 (no icon, or another) to 1.
double BoxIconLikeness(HWND box, SystemIcon icon);
// Clicks the box's "OK" button and waits until the box is gone.
bool PressOk(HWND box, DWORD timeoutMs = UiWaitMs);

} // namespace kit_test
