#include "KelvaskWindow.h"

#include "KitFolders.h"
#include "NorvalexContract.h"
#include "UniqueHandle.h"

#include <commctrl.h>

using namespace kit_test;

KelvaskWindow::KelvaskWindow()
    : program_(std::make_unique<TestedProgram>("\"" + BinPath("Kelvask.exe") + "\"")) {
    processId_ = program_->ProcessId();
    form = program_->WaitForWindow(L"Kelvask", L"TForm");
    FindControls();
}

KelvaskWindow::KelvaskWindow(HWND form) : form(form) {
    GetWindowThreadProcessId(form, &processId_);
    FindControls();
}

bool KelvaskWindow::Close() {
    if (program_)
        return program_->Close(form);
    PostMessageW(form, WM_CLOSE, 0, 0);
    return WaitUntil([&] { return !IsWindow(form); });
}

DWORD KelvaskWindow::WaitForEnd() const {
    if (!program_ || !program_->WaitForExit())
        return STILL_ACTIVE;
    return program_->ExitCode();
}

void KelvaskWindow::FindControls() {
    if (!form)
        return;
    Bevel1 = FindChild(form, L"TBevel", 0);
    Bevel2 = FindChild(form, L"TBevel", 1);
    btnLoad = FindChildByText(form, L"Button", L"Загрузить");
    btnUnload = FindChildByText(form, L"Button", L"Выгрузить");
    btnOpen = FindChildByText(form, L"Button", L"Открыть");
    btnClose = FindChildByText(form, L"Button", L"Закрыть");
    btnFunc1 = FindChildByText(form, L"Button", L"FUNC (800H)");
    Button1 = FindChildByText(form, L"Button", L"Read");
    SpinArrows = FindChild(form, UPDOWN_CLASSW);
    DWORD_PTR buddy = 0;
    if (SpinArrows)
        SendMessageTimeoutW(SpinArrows, UDM_GETBUDDY, 0, 0, SMTO_ABORTIFHUNG, 5000, &buddy);
    SpinEdit1 = reinterpret_cast<HWND>(buddy);
    for (HWND edit : Children(form))
        if (ClassName(edit) == L"Edit" && (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY))
            EOutput = edit;
    ready_ = Bevel1 && Bevel2 && btnLoad && btnUnload && btnOpen && btnClose && btnFunc1 &&
             Button1 && SpinArrows && SpinEdit1 && EOutput;
}

bool KelvaskWindow::ClickAndWaitForOutput(HWND button, const std::wstring& text) const {
    return Click(button) && WaitForText(EOutput, text);
}

bool KelvaskWindow::SetDeviceNumber(const std::wstring& text) const {
    return SetText(SpinEdit1, text) && GetText(SpinEdit1) == text;
}

std::wstring KelvaskWindow::OpenAndAnswer(const std::wstring& boxTitle) const {
    if (!Click(btnOpen))
        return L"(no click)";
    return AnswerBox(boxTitle);
}

std::wstring KelvaskWindow::AnswerBox(const std::wstring& boxTitle) const {
    HWND box = WaitForMessageBox(processId_, boxTitle);
    if (!box)
        return L"(no box titled " + boxTitle + L")";
    std::wstring text = MessageBoxText(box);
    if (!PressOk(box))
        return L"(box did not close)";
    return text;
}

bool KelvaskWindow::NoBoxShown() const {
    return TopLevelWindows(processId_, L"#32770").empty();
}

::testing::AssertionResult KelvaskWindow::BoxShowsIcon(const std::wstring& title, SystemIcon icon,
                                                       SystemIcon other) const {
    HWND box = WaitForMessageBox(processId_, title);
    if (!box)
        return ::testing::AssertionFailure() << "no box titled " << title;
    // The box may not be painted yet when it first shows. The icons share
    // much of their shape: the information icon matches the question mark's
    // opaque pixels to 0.8, the right icon to 1.
    double likeness = 0;
    WaitUntil([&] { return (likeness = BoxIconLikeness(box, icon)) > 0.99; }, 5000);
    const double otherLikeness = BoxIconLikeness(box, other);
    if (likeness > 0.99 && otherLikeness < 0.5)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the icon matches the expected one to " << likeness
                                         << " and the other to " << otherLikeness;
}

std::wstring SystemErrorText(DWORD code) {
    wchar_t buffer[256] = L"";
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, buffer, 256, nullptr);
    std::wstring text(buffer, length);
    while (!text.empty() && (text.back() <= L' ' || text.back() == L'.'))
        text.pop_back();
    return text;
}
