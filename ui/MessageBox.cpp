#include "MessageBox.h"

#include "Form.h"

#include <windows.h>

namespace {

UINT IconStyle(TMessageIcon icon) {
    switch (icon) {
    case TMessageIcon::Error:
        return MB_ICONERROR;
    case TMessageIcon::Question:
        return MB_ICONQUESTION;
    case TMessageIcon::Warning:
        return MB_ICONWARNING;
    case TMessageIcon::Information:
        return MB_ICONINFORMATION;
    }
    return 0;
}

} // namespace

void ShowMessageBox(const std::string& text, const std::string& title, TMessageIcon icon,
                    TCodePage page) {
    HWND owner = GetActiveWindow();
    if (!owner)
        owner = MainFormHandle();
    MessageBoxW(owner, ToWide(text, page).c_str(), ToWide(title, page).c_str(),
                MB_OK | IconStyle(icon));
}
