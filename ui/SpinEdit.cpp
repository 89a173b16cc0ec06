#include "SpinEdit.h"

#include "SpinValue.h"

#include <commctrl.h>

namespace {

constexpr int DesignArrowsWidth = 16;

wchar_t UserDecimalSeparator() {
    wchar_t separator[4] = L".";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4);
    return separator[0];
}

} // namespace

TSpinEdit::TSpinEdit(TWinContainer& parent, const TPlacement& placement, int32_t value,
                     TTabOrder tabOrder)
    : TWinControl(parent, placement, tabOrder.Value), FDecimalSeparator(UserDecimalSeparator()) {
    CreateHandle({L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, std::to_string(value)});
    if (!Handle())
        return;
    SetWindowSubclass(Handle(), EditProc, 0, reinterpret_cast<DWORD_PTR>(this));
    FArrows = CreateWindowExW(
        0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | UDS_ARROWKEYS, 0, 0, 0,
        0, Parent().ContainerHandle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!FArrows)
        return;
    AttachPart(FArrows);
    SetWindowPos(FArrows, Handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // The arrows keep no value of their own: each press is turned into a step
    // of the text's value, and their position stays in the middle of a range
    // in which up counts upwards.
    SendMessageW(FArrows, UDM_SETRANGE32, static_cast<WPARAM>(-1), 1);
    SendMessageW(FArrows, UDM_SETPOS32, 0, 0);
    SendMessageW(FArrows, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Handle()), 0);
    RECT edit{};
    GetWindowRect(Handle(), &edit);
    MapWindowPoints(nullptr, Parent().ContainerHandle(), reinterpret_cast<POINT*>(&edit), 2);
    ApplyBounds({edit.left, edit.top, edit.right - edit.left, edit.bottom - edit.top});
}

TSpinEdit::~TSpinEdit() {
    if (Handle() && IsWindow(Handle()))
        RemoveWindowSubclass(Handle(), EditProc, 0);
}

int32_t TSpinEdit::Value() const {
    return ReadSpinValue(Text());
}

void TSpinEdit::SetValue(int32_t value) {
    SetText(std::to_string(value));
}

void TSpinEdit::ApplyBounds(const TBounds& pixels) {
    if (!FArrows) {
        TWinControl::ApplyBounds(pixels);
        return;
    }
    int arrows = std::min(Scale(DesignArrowsWidth), pixels.Width);
    MoveWindow(Handle(), pixels.Left, pixels.Top, pixels.Width - arrows, pixels.Height, TRUE);
    MoveWindow(FArrows, pixels.Right() - arrows, pixels.Top, arrows, pixels.Height, TRUE);
}

bool TSpinEdit::ParentNotify(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_NOTIFY)
        return false;
    auto* notify = reinterpret_cast<const NMUPDOWN*>(lParam);
    if (notify->hdr.hwndFrom != FArrows || notify->hdr.code != UDN_DELTAPOS)
        return false;
    if (notify->iDelta != 0)
        SetValue(StepSpinValue(Value(), notify->iDelta > 0 ? 1 : -1));
    result = 1; // the arrows' own position stays put
    return true;
}

LRESULT CALLBACK TSpinEdit::EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<TSpinEdit*>(data);
    switch (message) {
    case WM_GETDLGCODE: {
        // Enter comes to the edit, to be dropped with a beep, rather than to the form.
        LRESULT code = DefSubclassProc(window, message, wParam, lParam);
        auto* key = reinterpret_cast<const MSG*>(lParam);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN)
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    case WM_CHAR:
        if (!AcceptsTypedChar(static_cast<char32_t>(wParam),
                              static_cast<char32_t>(self->FDecimalSeparator))) {
            MessageBeep(0);
            return 0;
        }
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}
