#include "StatusBar.h"

#include <commctrl.h>

TStatusBar::TStatusBar(TWinContainer& parent, const TPlacement& placement)
    : TWinControl(parent, placement, NoTabOrder) {
    // The form places the bar itself, like any aligned control.
    CreateHandle(
        {STATUSCLASSNAMEW, SBARS_SIZEGRIP | CCS_NOPARENTALIGN | CCS_NORESIZE, 0, "", false});
    int wholeBar[] = {-1};
    SendMessageW(Handle(), SB_SETPARTS, 1, reinterpret_cast<LPARAM>(wholeBar));
}

void TStatusBar::ApplyBounds(const TBounds& pixels) {
    TWinControl::ApplyBounds(pixels);
    // The grip moves with the right end: the old one must not stay behind.
    InvalidateRect(Handle(), nullptr, TRUE);
}
