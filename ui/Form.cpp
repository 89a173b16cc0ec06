#include "Form.h"

#include <commctrl.h>

namespace {

const wchar_t FormClassName[] = L"TForm";
constexpr int DesignFontHeight = -11;
const wchar_t DesignFontFace[] = L"MS Sans Serif";

HWND MainForm = nullptr;

void RegisterFormClass(WNDPROC windowProc) {
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = FormClassName;
    registered = RegisterClassExW(&windowClass) != 0;
}

HFONT CreateFormFont(int screenDpi) {
    LOGFONTW font{};
    font.lfHeight = ScreenFontHeight(DesignFontHeight, screenDpi);
    font.lfWeight = FW_NORMAL;
    // The texts are Russian: ask for a face with Cyrillic letters whatever the
    // system's own character set is.
    font.lfCharSet = RUSSIAN_CHARSET;
    lstrcpynW(font.lfFaceName, DesignFontFace, LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

int FontLineHeight(HFONT font) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight > 0 ? metrics.tmHeight : DesignLineHeight;
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : DesignDpi;
}

} // namespace

HWND MainFormHandle() {
    return MainForm;
}

TForm::TForm(const std::string& caption, TBorderStyle border, int clientWidth, int clientHeight,
             TFormPosition position)
    : FPosition(position) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterFormClass(WindowProc);

    FFont = CreateFormFont(ScreenDpi());
    FLineHeight = FontLineHeight(FFont);

    DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (border == TBorderStyle::Dialog)
        exStyle |= WS_EX_DLGMODALFRAME;
    else
        style |= WS_THICKFRAME;
    RECT frame{0, 0, Scale(clientWidth), Scale(clientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    FHandle =
        CreateWindowExW(exStyle, FormClassName, ToWide(caption).c_str(), style, FPosition.Left,
                        FPosition.Top, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                        nullptr, GetModuleHandleW(nullptr), this);
}

TForm::~TForm() {
    if (FHandle && IsWindow(FHandle)) {
        // The derived form is gone: its window must not call back into it.
        SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
        DestroyWindow(FHandle);
    }
    if (MainForm == FHandle)
        MainForm = nullptr;
    if (FFont)
        DeleteObject(FFont);
}

int TForm::Run() {
    if (!FHandle)
        return 1;
    MainForm = FHandle;
    FormCreate();
    Show();
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        HWND root = GetAncestor(message.hwnd, GA_ROOT);
        if (root &&
            GetWindowLongPtrW(root, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(WindowProc) &&
            IsDialogMessageW(root, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void TForm::Show() {
    if (FPosition.Centred) {
        RECT frame{};
        GetWindowRect(FHandle, &frame);
        int width = frame.right - frame.left;
        int height = frame.bottom - frame.top;
        SetWindowPos(FHandle, nullptr, CentredOrigin(GetSystemMetrics(SM_CXSCREEN), width),
                     CentredOrigin(GetSystemMetrics(SM_CYSCREEN), height), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    FFocusedControl = GetNextDlgTabItem(FHandle, nullptr, FALSE);
    ShowWindow(FHandle, SW_SHOW);
    UpdateWindow(FHandle);
    if (FFocusedControl)
        ::SetFocus(FFocusedControl);
}

LRESULT CALLBACK TForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* form = static_cast<TForm*>(create->lpCreateParams);
        form->FHandle = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<TForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcW(window, message, wParam, lParam);
    return form->HandleMessage(message, wParam, lParam);
}

LRESULT TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = FHandle;
    LRESULT result = 0;
    if (RouteToControl(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_COMMAND:
        // The keyboard's dialog handling sends IDOK for Enter and IDCANCEL for
        // Escape. Enter clicks the focused button; Escape does nothing.
        if (lParam == 0 && LOWORD(wParam) == IDOK) {
            if (TWinControl* focused = TWinControl::FromHandle(GetFocus()))
                focused->EnterPressed();
            return 0;
        }
        if (lParam == 0 && LOWORD(wParam) == IDCANCEL)
            return 0;
        break;
    case WM_SIZE:
        RealignControls();
        return 0;
    case WM_ACTIVATE:
        // Give the focus back to the control that had it when the form was
        // left, for example for a message box.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(FHandle, focus))
                FFocusedControl = focus;
        } else if (!HIWORD(wParam) && FFocusedControl && IsWindow(FFocusedControl)) {
            ::SetFocus(FFocusedControl);
            return 0;
        }
        break;
    case WM_SETFOCUS:
        if (FFocusedControl && IsWindow(FFocusedControl)) {
            ::SetFocus(FFocusedControl);
            return 0;
        }
        break;
    case WM_DESTROY:
        FormDestroy();
        if (MainForm == window) {
            MainForm = nullptr;
            PostQuitMessage(0);
        }
        return 0;
    case WM_NCDESTROY:
        FHandle = nullptr;
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
