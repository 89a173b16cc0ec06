#include "Bevel.h"

namespace {

const wchar_t BevelClassName[] = L"TBevel";

} // namespace

TBevel::TBevel(TWinContainer& parent, const TPlacement& placement)
    : TWinControl(parent, placement, NoTabOrder) {
    RegisterPaintedClass(BevelClassName, WindowProc);
    CreateHandle({BevelClassName, WS_DISABLED, 0, "", false});
}

LRESULT CALLBACK TBevel::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
        return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client{};
    GetClientRect(window, &client);
    // Shadow above, highlight below: a line pressed into the form.
    DrawEdge(dc, &client, EDGE_ETCHED, BF_TOP);
    EndPaint(window, &paint);
    return 0;
}
