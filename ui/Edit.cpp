#include "Edit.h"

TEdit::TEdit(TWinContainer& parent, const TPlacement& placement, const std::string& text,
             TTabOrder tabOrder, TEditStyle style)
    : TWinControl(parent, placement, tabOrder.Value), FStyle(style) {
    DWORD editStyle = WS_TABSTOP | ES_AUTOHSCROLL;
    if (style == TEditStyle::ReadOnlyButtonFace)
        editStyle |= ES_READONLY;
    CreateHandle({L"EDIT", editStyle, WS_EX_CLIENTEDGE, text});
}

bool TEdit::ParentNotify(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    bool colourQuery = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC;
    if (!colourQuery || FStyle != TEditStyle::ReadOnlyButtonFace)
        return false;
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    return true;
}
