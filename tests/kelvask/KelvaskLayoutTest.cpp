// The window as Kelvask shows it: title, frame, size, where each control sits
// and in which order the keyboard visits them. Needs no driver.
#include "KelvaskWindow.h"

#include "LayoutChecks.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace kit_test;

namespace {

class KelvaskLayout : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(window.Ready()) << "Kelvask's window or a control missing";
    }

    TBounds Expected(const TBounds& design) const { return ScaleBounds(design, lineHeight); }

    KelvaskWindow window;
    int lineHeight = FormLineHeight();
};

} // namespace

TEST_F(KelvaskLayout, FixedDialogFrameWithOnlyTheSystemMenu) {
    EXPECT_EQ(GetText(window.form), L"Kelvask");
    LONG style = GetWindowLongW(window.form, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_FALSE(style & WS_THICKFRAME) << "the border must not resize";
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(GetWindowLongW(window.form, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
}

TEST_F(KelvaskLayout, ClientAreaIsScaledFromTwoHundredSixtyBy175AndCentred) {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (dpi == DesignDpi) {
        EXPECT_EQ(lineHeight, DesignLineHeight) << "the 8-point font at 96 dpi";
    }
    const int width = ScaleDesignPixels(260, lineHeight);
    const int height = ScaleDesignPixels(175, lineHeight);
    EXPECT_EQ(BoundsOf(ClientRect(window.form)), (TBounds{0, 0, width, height}));
    const SIZE frameSize = FrameSize(window.form);
    EXPECT_EQ(frameSize, FrameAround(window.form, width, height));

    RECT frame{};
    GetWindowRect(window.form, &frame);
    std::printf("form font line height %d at %d dpi; window %ld x %ld at (%ld, %ld)\n", lineHeight,
                dpi, frameSize.cx, frameSize.cy, frame.left, frame.top);
    EXPECT_NEAR(frame.left, (GetSystemMetrics(SM_CXSCREEN) - frameSize.cx) / 2, 1);
    EXPECT_NEAR(frame.top, (GetSystemMetrics(SM_CYSCREEN) - frameSize.cy) / 2, 1);
}

TEST_F(KelvaskLayout, EveryControlAtItsPlaceWithItsCaption) {
    struct Expectation {
        HWND control;
        TBounds design;
        const wchar_t* caption;
    };
    const Expectation controls[] = {
        {window.Bevel1, {0, 39, 257, 9}, L""},
        {window.Bevel2, {1, 80, 256, 9}, L""},
        {window.btnLoad, {8, 8, 75, 25}, L"Загрузить"},
        {window.btnUnload, {184, 8, 75, 25}, L"Выгрузить"},
        {window.btnOpen, {8, 48, 75, 25}, L"Открыть"},
        {window.btnClose, {176, 48, 75, 25}, L"Закрыть"},
        {window.btnFunc1, {8, 88, 249, 25}, L"FUNC (800H)"},
        {window.EOutput, {0, 152, 257, 21}, L""},
        {window.Button1, {8, 120, 249, 25}, L"Read"},
    };
    for (const Expectation& expected : controls) {
        EXPECT_EQ(BoundsOf(RectInParent(expected.control)), Expected(expected.design))
            << "control " << static_cast<const void*>(expected.control);
        EXPECT_EQ(GetText(expected.control), expected.caption);
    }
    // The spin edit is its edit and, at its right end, the arrows.
    RECT edit = RectInParent(window.SpinEdit1);
    RECT arrows = RectInParent(window.SpinArrows);
    EXPECT_EQ(edit.right, arrows.left);
    EXPECT_EQ(edit.top, arrows.top);
    EXPECT_EQ(edit.bottom, arrows.bottom);
    EXPECT_EQ((TBounds{edit.left, edit.top, arrows.right - edit.left, edit.bottom - edit.top}),
              Expected({88, 48, 57, 22}));
    EXPECT_EQ(GetText(window.SpinEdit1), L"0");
}

TEST_F(KelvaskLayout, OutputLineIsReadOnly) {
    EXPECT_TRUE(GetWindowLongW(window.EOutput, GWL_STYLE) & ES_READONLY);
    ASSERT_TRUE(window.ClickAndWaitForOutput(window.btnFunc1, L"0"));
    PostChar(window.EOutput, L'7');
    // Posted messages are handled in order: once the spin edit shows its
    // character, the output line has had its own.
    PostChar(window.SpinEdit1, L'5');
    ASSERT_TRUE(WaitForText(window.SpinEdit1, L"50"));
    EXPECT_EQ(window.Output(), L"0");
}

TEST_F(KelvaskLayout, FocusStartsOnLoadAndTabFollowsTheTabOrder) {
    ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(window.form) == window.btnLoad; }))
        << "focus is on " << FocusedWindow(window.form);
    const HWND order[] = {window.btnUnload, window.btnOpen, window.btnClose,  window.btnFunc1,
                          window.EOutput,   window.Button1, window.SpinEdit1, window.btnLoad};
    for (HWND next : order) {
        PostKey(FocusedWindow(window.form), VK_TAB);
        EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(window.form) == next; }))
            << "expected " << next << ", focus is on " << FocusedWindow(window.form);
    }
}

TEST_F(KelvaskLayout, EnterClicksTheFocusedButtonOnlyAndEscapeDoesNothing) {
    ASSERT_TRUE(TabTo(window.form, window.btnFunc1));
    PostKey(window.btnFunc1, VK_ESCAPE);
    PostKey(window.btnFunc1, VK_RETURN);
    EXPECT_TRUE(WaitForText(window.EOutput, L"0")) << "Enter on FUNC (800H) must click it";

    // Enter in the output line and in the spin edit clicks nothing: had it
    // opened a device, a box would show; had it read, the line would clear.
    ASSERT_TRUE(TabTo(window.form, window.EOutput));
    PostKey(window.EOutput, VK_RETURN);
    ASSERT_TRUE(TabTo(window.form, window.SpinEdit1));
    PostKey(window.SpinEdit1, VK_RETURN);
    PostKey(window.SpinEdit1, VK_ESCAPE);
    ASSERT_TRUE(window.ClickAndWaitForOutput(window.btnFunc1, L"0"));
    EXPECT_TRUE(window.NoBoxShown());
    EXPECT_EQ(GetText(window.SpinEdit1), L"0");
    EXPECT_TRUE(IsWindow(window.form));
}

TEST_F(KelvaskLayout, ReadWithNoDeviceClearsTheOutputLine) {
    ASSERT_TRUE(window.ClickAndWaitForOutput(window.btnFunc1, L"0"));
    EXPECT_TRUE(window.ClickAndWaitForOutput(window.Button1, L""));
    EXPECT_TRUE(window.NoBoxShown());
}

TEST_F(KelvaskLayout, ClosingTheWindowEndsTheProgram) {
    EXPECT_TRUE(window.Close());
}
