#include "Panel.h"

namespace {

const wchar_t PanelClassName[] = L"TPanel";

} // namespace

TPanel::TPanel(TWinContainer& parent, const TPlacement& placement, TTabOrder tabOrder)
    : TWinControl(parent, placement, tabOrder.Value) {
    RegisterPaintedClass(PanelClassName, WindowProc);
    // The panel takes no focus itself; the dialog keys go on into its controls.
    CreateHandle({PanelClassName, WS_BORDER | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, ""});
}

TPanel::~TPanel() {
    if (Handle() && IsWindow(Handle()))
        SetWindowLongPtrW(Handle(), GWLP_USERDATA, 0);
}

LRESULT CALLBACK TPanel::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client{};
        GetClientRect(window, &client);
        // A raised bevel one pixel wide: the button highlight above and left
        // of the face, the button shadow below and right. (The outer raised
        // edge takes the 3-D light colour, which on the default colours is
        // darker than the face, so the panel would not look raised.)
        DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_SIZE:
        if (auto* panel = dynamic_cast<TPanel*>(TWinControl::FromHandle(window))) {
            panel->RealignControls();
            InvalidateRect(window, nullptr, TRUE);
        }
        return 0;
    default: {
        LRESULT result = 0;
        if (RouteToControl(message, wParam, lParam, result))
            return result;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    }
}
