// The window as Vostrane shows it: frame, size and place, where each control
// sits, how the window lays itself out when resized, and the keyboard.
#include "VostraneWindow.h"

#include "LayoutChecks.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdio>

using namespace kit_test;

namespace {

class VostraneLayout : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(window.Ready()) << "Vostrane's window or a control missing";
    }

    int Scaled(int design) const { return ScaleDesignPixels(design, lineHeight); }

    // Panel on top at full width, status bar at the bottom, list between.
    void ExpectAlignedTo(const RECT& client) const {
        int width = client.right;
        int height = client.bottom;
        EXPECT_EQ(BoundsOf(RectInParent(window.Panel1)), (TBounds{0, 0, width, Scaled(190)}));
        EXPECT_EQ(BoundsOf(RectInParent(window.StatusBar)),
                  (TBounds{0, height - Scaled(19), width, Scaled(19)}));
        EXPECT_EQ(BoundsOf(RectInParent(window.lbNameList)),
                  (TBounds{0, Scaled(190), width, height - Scaled(190) - Scaled(19)}));
    }

    void ExpectPanelControlsInPlace() const {
        struct Expectation {
            HWND control;
            TBounds design;
        };
        const Expectation controls[] = {
            {window.Label1, {8, 11, 75, 13}},         {window.Label2, {8, 40, 75, 13}},
            {window.NTDeviceName, {82, 37, 271, 21}}, {window.DOSDeviceName, {82, 7, 271, 21}},
            {window.btnGetName, {8, 63, 345, 25}},    {window.btnAddName, {7, 97, 345, 25}},
            {window.btnDelName, {7, 123, 345, 25}},   {window.btnGetList, {7, 156, 345, 25}},
        };
        for (const Expectation& expected : controls)
            EXPECT_EQ(BoundsOf(RectInParent(expected.control)),
                      ScaleBounds(expected.design, lineHeight))
                << "control with text " << testing::PrintToString(GetText(expected.control));
    }

    // Resizes the window to a client area of `width` x `height` design pixels,
    // so that the same controls fit at any display scaling.
    bool ResizeClientTo(int width, int height) const {
        const SIZE frame = FrameAround(window.form, Scaled(width), Scaled(height));
        SetWindowPos(window.form, nullptr, 0, 0, frame.cx, frame.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return WaitUntil([&] {
            return FrameSize(window.form) == frame && ClientRect(window.Panel1).right > 0 &&
                   RectInParent(window.Panel1).right == ClientRect(window.form).right;
        });
    }

    VostraneWindow window;
    int lineHeight = FormLineHeight();
};

} // namespace

TEST_F(VostraneLayout, ResizableFrameWithOnlyTheSystemMenuAtItsDesignedPlace) {
    EXPECT_EQ(GetText(window.form), L"NT-имена устройств");
    LONG style = GetWindowLongW(window.form, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_THICKFRAME) << "the border must resize";
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

    EXPECT_EQ(BoundsOf(ClientRect(window.form)), (TBounds{0, 0, Scaled(361), Scaled(352)}));
    RECT frame{};
    GetWindowRect(window.form, &frame);
    std::printf("form font line height %d; window %ld x %ld at (%ld, %ld)\n", lineHeight,
                frame.right - frame.left, frame.bottom - frame.top, frame.left, frame.top);
    EXPECT_EQ(frame.left, 479);
    EXPECT_EQ(frame.top, 253);
    EXPECT_EQ(FrameSize(window.form), FrameAround(window.form, Scaled(361), Scaled(352)));
}

TEST_F(VostraneLayout, ControlsAtTheirPlacesWithTheirCaptions) {
    ExpectAlignedTo(ClientRect(window.form));
    ExpectPanelControlsInPlace();
    EXPECT_EQ(GetText(window.Label1), L"DOS-имя::");
    EXPECT_EQ(GetText(window.Label2), L"NT-имя:");

    EXPECT_TRUE(GetWindowLongW(window.Panel1, GWL_STYLE) & WS_BORDER);
    EXPECT_TRUE(GetWindowLongW(window.StatusBar, GWL_STYLE) & SBARS_SIZEGRIP);
    DWORD_PTR parts = 0;
    SendMessageTimeoutW(window.StatusBar, SB_GETPARTS, 0, 0, SMTO_ABORTIFHUNG, 5000, &parts);
    EXPECT_EQ(parts, 1u);
    DWORD_PTR itemHeight = 0;
    SendMessageTimeoutW(window.lbNameList, LB_GETITEMHEIGHT, 0, 0, SMTO_ABORTIFHUNG, 5000,
                        &itemHeight);
    EXPECT_EQ(itemHeight, static_cast<DWORD_PTR>(Scaled(13)));
}

TEST_F(VostraneLayout, ResizingKeepsThePanelOnTopAndTheStatusBarAtTheBottom) {
    ASSERT_TRUE(ResizeClientTo(612, 533));
    ExpectAlignedTo(ClientRect(window.form));
    ExpectPanelControlsInPlace();

    // Room for the panel, the status bar and a little of the list.
    ASSERT_TRUE(ResizeClientTo(252, 303));
    ExpectAlignedTo(ClientRect(window.form));
    ExpectPanelControlsInPlace();
}

TEST_F(VostraneLayout, TabVisitsTheControlsInTheirOrderStartingAtTheList) {
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(window.form) == window.lbNameList; }));
    const HWND order[] = {window.NTDeviceName, window.DOSDeviceName, window.btnGetName,
                          window.btnAddName,   window.btnDelName,    window.btnGetList,
                          window.lbNameList};
    for (HWND next : order) {
        PostKey(FocusedWindow(window.form), VK_TAB);
        EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(window.form) == next; }))
            << "Tab did not reach the control with text " << testing::PrintToString(GetText(next));
    }
}

TEST_F(VostraneLayout, PanelIsRaisedByOnePixel) {
    auto brightness = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    ASSERT_GT(brightness(highlight), brightness(face)) << "a colour scheme without light edges";
    ASSERT_LT(brightness(shadow), brightness(face));

    const RECT client = ClientRect(window.Panel1);
    const int right = client.right - 1, bottom = client.bottom - 1;
    const int midX = client.right / 2, midY = client.bottom / 2;
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(window.Panel1, midX, 0) == highlight; }, 5000))
        << "top edge " << std::hex << ScreenPixel(window.Panel1, midX, 0);
    EXPECT_EQ(ScreenPixel(window.Panel1, 0, midY), highlight) << "left edge";
    EXPECT_EQ(ScreenPixel(window.Panel1, midX, bottom), shadow) << "bottom edge";
    EXPECT_EQ(ScreenPixel(window.Panel1, right, midY), shadow) << "right edge";
    EXPECT_EQ(ScreenPixel(window.Panel1, 1, midY), face) << "one pixel wide";
    EXPECT_EQ(ScreenPixel(window.Panel1, midX, 1), face) << "one pixel wide";
}

TEST_F(VostraneLayout, EnterClicksTheFocusedButtonOnlyAndEscapeDoesNothing) {
    DosNameGuard missing("QK");
    ASSERT_TRUE(window.SetDosName(missing.WideName()));
    // Enter in the list or an edit clicks nothing. Had it clicked a button:
    // the lookup would write its message over "kept", the addition define the
    // name, the removal show its status and the listing fill the list.
    ASSERT_TRUE(window.SetNtName(L"kept"));
    for (HWND control : {window.lbNameList, window.NTDeviceName, window.DOSDeviceName}) {
        ASSERT_TRUE(TabTo(window.form, control));
        PostKey(control, VK_RETURN);
    }
    // The Tab after the last Enter has been handled, so the Enters have been too.
    ASSERT_TRUE(TabTo(window.form, window.btnGetName));
    EXPECT_EQ(GetText(window.NTDeviceName), L"kept");
    EXPECT_FALSE(IsDefined(missing.Name()));
    EXPECT_EQ(window.Status(), L"");
    EXPECT_TRUE(window.ListItems().empty());

    // Enter on a button clicks that button.
    PostKey(window.btnGetName, VK_RETURN);
    EXPECT_TRUE(WaitForText(window.NTDeviceName, L"Устройство не существует"));
    EXPECT_EQ(window.Status(), L"");

    ASSERT_TRUE(TabTo(window.form, window.btnDelName));
    PostKey(window.btnDelName, VK_ESCAPE);
    PostKey(window.btnDelName, VK_RETURN);
    EXPECT_TRUE(WaitForText(window.StatusBar, L"DOS-имя не определено"));
    EXPECT_TRUE(IsWindowVisible(window.form)) << "Escape must not close the window";
}
