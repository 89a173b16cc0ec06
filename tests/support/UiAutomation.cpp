#include "UiAutomation.h"

#include "ProcessRunner.h"

#include <vector>

namespace kit_test {
namespace {

constexpr UINT SendTimeoutMs = 5000;

struct WindowSearch {
    DWORD processId;
    std::wstring className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window))
        return TRUE;
    if (!search->className.empty() && ClassName(window) != search->className)
        return TRUE;
    search->found.push_back(window);
    return TRUE;
}

} // namespace

TestedProgram::TestedProgram(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!StartProcess(commandLine, false, startup, info))
        return;
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    processId_ = info.dwProcessId;
}

TestedProgram::~TestedProgram() {
    if (!process_ || WaitForExit(0))
        return;
    for (HWND window : TopLevelWindows(processId_))
        PostMessageW(window, WM_CLOSE, 0, 0);
    if (!WaitForExit(5000))
        TerminateProcess(process_.get(), 1);
    WaitForExit(5000);
}

HWND TestedProgram::WaitForWindow(const std::wstring& title, const std::wstring& className,
                                  DWORD timeoutMs) const {
    HWND window = nullptr;
    WaitUntil(
        [&] { return (window = FindTopLevelWindow(processId_, title, className)) != nullptr; },
        timeoutMs);
    return window;
}

bool TestedProgram::Close(HWND mainWindow, DWORD timeoutMs) {
    PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    return WaitForExit(timeoutMs);
}

bool TestedProgram::WaitForExit(DWORD timeoutMs) const {
    return process_ && WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD TestedProgram::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_)
        GetExitCodeProcess(process_.get(), &code);
    return code;
}

std::vector<HWND> TopLevelWindows(DWORD processId, const std::wstring& className) {
    WindowSearch search{processId, className, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopLevelWindow(DWORD processId, const std::wstring& title, const std::wstring& className) {
    for (HWND window : TopLevelWindows(processId, className))
        if (GetText(window) == title)
            return window;
    return nullptr;
}

std::wstring ClassName(HWND window) {
    wchar_t name[256] = L"";
    int length = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<size_t>(length > 0 ? length : 0));
}

std::wstring GetText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, SendTimeoutMs,
                             &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, SendTimeoutMs, &got))
        return {};
    text.resize(got < text.size() ? got : text.size() - 1);
    return text;
}

std::string GetTextAnsi(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, SendTimeoutMs,
                             &length))
        return {};
    std::string text(length * 2 + 1, '\0');
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, SendTimeoutMs, &got))
        return {};
    text.resize(got < text.size() ? got : text.size() - 1);
    return text;
}

bool SetText(HWND window, const std::wstring& text) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                               SMTO_ABORTIFHUNG, SendTimeoutMs, &result) &&
           result;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

HWND FindChild(HWND parent, const std::wstring& className, int index) {
    for (HWND child : Children(parent))
        if (_wcsicmp(ClassName(child).c_str(), className.c_str()) == 0 && index-- == 0)
            return child;
    return nullptr;
}

HWND FindChildByText(HWND parent, const std::wstring& className, const std::wstring& text) {
    for (HWND child : Children(parent))
        if (_wcsicmp(ClassName(child).c_str(), className.c_str()) == 0 && GetText(child) == text)
            return child;
    return nullptr;
}

RECT RectInParent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT ClientRect(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

HWND FocusedWindow(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

bool TabTo(HWND form, HWND control) {
    for (int step = 0; step < 16 && FocusedWindow(form) != control; ++step) {
        HWND before = FocusedWindow(form);
        PostKey(before, VK_TAB);
        WaitUntil([&] { return FocusedWindow(form) != before; });
    }
    return FocusedWindow(form) == control;
}

bool Click(HWND button) {
    return PostMessageW(button, BM_CLICK, 0, 0) != FALSE;
}

bool PostKey(HWND window, WORD virtualKey) {
    UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    LPARAM down = 1 | (static_cast<LPARAM>(scanCode) << 16);
    LPARAM up = down | (1 << 30) | (static_cast<LPARAM>(1) << 31);
    return PostMessageW(window, WM_KEYDOWN, virtualKey, down) &&
           PostMessageW(window, WM_KEYUP, virtualKey, up);
}

bool PostChar(HWND window, wchar_t character) {
    return PostMessageW(window, WM_CHAR, character, 1) != FALSE;
}

bool WaitForText(HWND window, const std::wstring& text, DWORD timeoutMs) {
    return WaitUntil([&] { return GetText(window) == text; }, timeoutMs);
}

HWND WaitForMessageBox(DWORD processId, const std::wstring& title, DWORD timeoutMs) {
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindTopLevelWindow(processId, title, L"#32770")) != nullptr; },
              timeoutMs);
    return box;
}

std::wstring MessageBoxText(HWND box) {
    for (HWND child : Children(box)) {
        if (_wcsicmp(ClassName(child).c_str(), L"Static") != 0)
            continue;
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            continue;
        std::wstring text = GetText(child);
        if (!text.empty())
            return text;
    }
    return {};
}

namespace {

// A 32-bit bitmap the test can read pixel by pixel.
class Pixels {
  public:
    Pixels(int width, int height) : width_(width), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<const DWORD*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~Pixels() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Pixels(const Pixels&) = delete;
    Pixels& operator=(const Pixels&) = delete;

    HDC Dc() const { return dc_; }
    DWORD At(int x, int y) const { return bits_[y * width_ + x] & 0xFFFFFF; }

  private:
    int width_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    const DWORD* bits_ = nullptr;
};

} // namespace

COLORREF ScreenPixel(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    HDC display = GetDC(nullptr);
    const COLORREF colour = GetPixel(display, point.x, point.y);
    ReleaseDC(nullptr, display);
    return colour;
}

double BoxIconLikeness(HWND box, SystemIcon icon) {
    HWND shown = nullptr;
    for (HWND child : Children(box))
        if (_wcsicmp(ClassName(child).c_str(), L"Static") == 0 &&
            (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            shown = child;
    if (!shown)
        return 0;
    const RECT client = ClientRect(shown);
    const int width = client.right, height = client.bottom;
    POINT origin{0, 0};
    ClientToScreen(shown, &origin);

    Pixels screen(width, height), onBlack(width, height), onWhite(width, height);
    HDC display = GetDC(nullptr);
    BitBlt(screen.Dc(), 0, 0, width, height, display, origin.x, origin.y, SRCCOPY);
    ReleaseDC(nullptr, display);
    // The box sizes its icon control to the icon it draws. The system's icon
    // at that size comes from its resource, as the box's did: the one that
    // LoadIcon gives has this program's default size, and stretched it would
    // differ in many pixels.
    HICON shared = LoadIconW(nullptr, MAKEINTRESOURCEW(static_cast<WORD>(icon)));
    HICON expected =
        static_cast<HICON>(CopyImage(shared, IMAGE_ICON, width, height, LR_COPYFROMRESOURCE));
    if (!expected)
        return 0;
    RECT all{0, 0, width, height};
    FillRect(onBlack.Dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    FillRect(onWhite.Dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(onBlack.Dc(), 0, 0, expected, width, height, 0, nullptr, DI_NORMAL);
    DrawIconEx(onWhite.Dc(), 0, 0, expected, width, height, 0, nullptr, DI_NORMAL);
    DestroyIcon(expected);

    // Opaque pixels look the same on both backgrounds.
    int opaque = 0, alike = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (onBlack.At(x, y) == onWhite.At(x, y)) {
                ++opaque;
                alike += screen.At(x, y) == onBlack.At(x, y);
            }
    return opaque > 0 ? static_cast<double>(alike) / opaque : 0;
}

bool PressOk(HWND box, DWORD timeoutMs) {
    HWND ok = GetDlgItem(box, IDOK);
    if (!ok || !Click(ok))
        return false;
    return WaitUntil([&] { return !IsWindow(box); }, timeoutMs);
}

int FormLineHeight() {
    HDC screen = GetDC(nullptr);
    LOGFONTW font{};
    font.lfHeight = -MulDiv(11, GetDeviceCaps(screen, LOGPIXELSY), 96);
    font.lfCharSet = RUSSIAN_CHARSET;
    lstrcpyW(font.lfFaceName, L"MS Sans Serif");
    HFONT handle = CreateFontIndirectW(&font);
    HGDIOBJ previous = SelectObject(screen, handle);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, previous);
    DeleteObject(handle);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight;
}

} // namespace kit_test
