// The device number field: what typing, pasting, the arrow keys and the arrow
// buttons do to it. Needs no driver.
#include "KelvaskWindow.h"

#include <gtest/gtest.h>

using namespace kit_test;

namespace {

class KelvaskSpinEdit : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(window.Ready()) << "Kelvask's window or a control missing";
    }

    // Types the characters one by one at the caret, as the keyboard would.
    void Type(const std::wstring& keys) const {
        for (wchar_t key : keys)
            PostChar(window.SpinEdit1, key);
    }

    bool ClickArrow(bool up) const {
        RECT client = ClientRect(window.SpinArrows);
        LPARAM point = MAKELPARAM(client.right / 2, up ? client.bottom / 4 : client.bottom * 3 / 4);
        return PostMessageW(window.SpinArrows, WM_LBUTTONDOWN, MK_LBUTTON, point) &&
               PostMessageW(window.SpinArrows, WM_LBUTTONUP, 0, point);
    }

    KelvaskWindow window;
};

bool PutOnClipboard(const std::wstring& text) {
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    bool placed = false;
    if (memory) {
        memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
        placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        if (!placed)
            GlobalFree(memory);
    }
    CloseClipboard();
    return placed;
}

} // namespace

TEST_F(KelvaskSpinEdit, TypedDigitsSignsAndSeparatorPassOtherCharactersAreDropped) {
    ASSERT_TRUE(window.SetDeviceNumber(L""));
    wchar_t separator[4] = L".";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4);
    std::wstring dropped = separator[0] == L'.' ? L"a$x \r,Ж" : L"a$x \r.Ж";
    Type(L"-" + dropped + L"1" + dropped + L"2" + separator[0] + L"+");
    EXPECT_TRUE(WaitForText(window.SpinEdit1, std::wstring(L"-12") + separator[0] + L"+"))
        << "got " << testing::PrintToString(GetText(window.SpinEdit1));
    Type(L"\b\b");
    EXPECT_TRUE(WaitForText(window.SpinEdit1, L"-12")) << "Backspace is a control key";
}

TEST_F(KelvaskSpinEdit, UpAndDownKeysStepByOne) {
    ASSERT_TRUE(window.SetDeviceNumber(L"41"));
    PostKey(window.SpinEdit1, VK_UP);
    EXPECT_TRUE(WaitForText(window.SpinEdit1, L"42"));
    PostKey(window.SpinEdit1, VK_DOWN);
    PostKey(window.SpinEdit1, VK_DOWN);
    EXPECT_TRUE(WaitForText(window.SpinEdit1, L"40"));
}

TEST_F(KelvaskSpinEdit, ArrowButtonsStepByOneWithoutBounds) {
    ASSERT_TRUE(window.SetDeviceNumber(L"0"));
    ASSERT_TRUE(ClickArrow(false));
    EXPECT_TRUE(WaitForText(window.SpinEdit1, L"-1")) << "no lower bound at 0";
    ASSERT_TRUE(ClickArrow(true));
    ASSERT_TRUE(ClickArrow(true));
    EXPECT_TRUE(WaitForText(window.SpinEdit1, L"1"));
}

TEST_F(KelvaskSpinEdit, StepsReadTheTextAsANumberFirst) {
    ASSERT_TRUE(window.SetDeviceNumber(L"$FF"));
    PostKey(window.SpinEdit1, VK_UP);
    EXPECT_TRUE(WaitForText(window.SpinEdit1, L"256"));
    ASSERT_TRUE(window.SetDeviceNumber(L"letters"));
    PostKey(window.SpinEdit1, VK_DOWN);
    EXPECT_TRUE(WaitForText(window.SpinEdit1, L"-1")) << "a text that is no number counts as 0";
    ASSERT_TRUE(window.SetDeviceNumber(L"2147483647"));
    PostKey(window.SpinEdit1, VK_UP);
    PostKey(window.SpinEdit1, VK_DOWN);
    EXPECT_TRUE(WaitForText(window.SpinEdit1, L"2147483646")) << "the top of the range holds";
}

TEST_F(KelvaskSpinEdit, PastedTextIsTakenUnchanged) {
    ASSERT_TRUE(PutOnClipboard(L" x1F z"));
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window.SpinEdit1, EM_SETSEL, 0, -1, SMTO_ABORTIFHUNG, 5000, &ignored);
    PostMessageW(window.SpinEdit1, WM_PASTE, 0, 0);
    EXPECT_TRUE(WaitForText(window.SpinEdit1, L" x1F z"))
        << "got " << testing::PrintToString(GetText(window.SpinEdit1));
}
