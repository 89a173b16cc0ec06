#include "Button.h"

TButton::TButton(TWinContainer& parent, const TPlacement& placement, const std::string& caption,
                 TTabOrder tabOrder, TNotifyEvent onClick)
    : TWinControl(parent, placement, tabOrder.Value), FOnClick(std::move(onClick)) {
    CreateHandle({L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, caption});
}

void TButton::Click() {
    if (FOnClick)
        FOnClick();
}

bool TButton::ParentNotify(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return false;
    Click();
    result = 0;
    return true;
}
