#include "Layout.h"

#include <gtest/gtest.h>

TEST(Scaling, DesignLineHeightKeepsEveryPixel) {
    EXPECT_EQ(ScaleDesignPixels(260, 13), 260);
    EXPECT_EQ(ScaleBounds({88, 48, 57, 22}, 13), (TBounds{88, 48, 57, 22}));
}

TEST(Scaling, OtherLineHeightsScaleAndRoundLikeMulDiv) {
    // 120 dpi: the 8-point font is 16 pixels high.
    EXPECT_EQ(ScaleDesignPixels(260, 16), 320);
    EXPECT_EQ(ScaleDesignPixels(175, 16), 215); // 215.38
    EXPECT_EQ(ScaleDesignPixels(1, 19), 1);     // 1.46
    EXPECT_EQ(ScaleDesignPixels(7, 15), 8);     // 8.08
    EXPECT_EQ(ScaleDesignPixels(-13, 16), -16);
    EXPECT_EQ(MulDivRounded(5, 1, 2), 3);
    EXPECT_EQ(MulDivRounded(-5, 1, 2), -3);
    EXPECT_EQ(MulDivRounded(5, 1, -2), -3);
    EXPECT_EQ(MulDivRounded(1, 1, 0), -1);
}

TEST(Scaling, ScaledNeighboursStillTouch) {
    // Two boxes side by side at 96 dpi stay side by side at any line height,
    // whereas scaling sizes on their own would open a gap or an overlap.
    for (int lineHeight = 13; lineHeight <= 40; ++lineHeight) {
        TBounds left = ScaleBounds({8, 48, 75, 25}, lineHeight);
        TBounds right = ScaleBounds({83, 48, 5, 25}, lineHeight);
        EXPECT_EQ(left.Right(), right.Left) << lineHeight;
        EXPECT_EQ(left.Bottom(), ScaleBounds({8, 73, 75, 1}, lineHeight).Top) << lineHeight;
    }
}

TEST(Scaling, FontHeightFollowsScreenDpi) {
    EXPECT_EQ(ScreenFontHeight(-11, 96), -11);
    EXPECT_EQ(ScreenFontHeight(-11, 120), -14); // -13.75
    EXPECT_EQ(ScreenFontHeight(-11, 144), -17); // -16.5
    EXPECT_EQ(ScreenFontHeight(-11, 192), -22);
}

TEST(Centring, CentresAndNeverLeavesTheScreenTopLeft) {
    EXPECT_EQ(CentredOrigin(1280, 266), 507);
    EXPECT_EQ(CentredOrigin(400, 266), 67);
    EXPECT_EQ(CentredOrigin(200, 266), 0);
}

TEST(AlignItems, TopPanelBottomBarAndClientListShareTheClientArea) {
    std::vector<TAlignItem> items = {
        {TAlign::Bottom, {0, 0, 0, 19}},
        {TAlign::Client, {}},
        {TAlign::Top, {0, 0, 0, 190}},
        {TAlign::None, {5, 6, 7, 8}},
    };
    AlignItems(361, 352, items);
    EXPECT_EQ(items[0].Bounds, (TBounds{0, 333, 361, 19}));
    EXPECT_EQ(items[1].Bounds, (TBounds{0, 190, 361, 143}));
    EXPECT_EQ(items[2].Bounds, (TBounds{0, 0, 361, 190}));
    EXPECT_EQ(items[3].Bounds, (TBounds{5, 6, 7, 8}));
}

TEST(AlignItems, TopItemsStackInOrderAndBottomOnesUpwards) {
    std::vector<TAlignItem> items = {
        {TAlign::Top, {0, 0, 0, 10}},
        {TAlign::Bottom, {0, 0, 0, 5}},
        {TAlign::Top, {0, 0, 0, 20}},
        {TAlign::Bottom, {0, 0, 0, 7}},
    };
    AlignItems(100, 100, items);
    EXPECT_EQ(items[0].Bounds, (TBounds{0, 0, 100, 10}));
    EXPECT_EQ(items[2].Bounds, (TBounds{0, 10, 100, 20}));
    EXPECT_EQ(items[1].Bounds, (TBounds{0, 95, 100, 5}));
    EXPECT_EQ(items[3].Bounds, (TBounds{0, 88, 100, 7}));
}

TEST(AlignItems, TooSmallAWindowSqueezesTheClientItemToNothing) {
    std::vector<TAlignItem> items = {
        {TAlign::Top, {0, 0, 0, 190}},
        {TAlign::Client, {}},
        {TAlign::Bottom, {0, 0, 0, 19}},
    };
    AlignItems(120, 150, items);
    EXPECT_EQ(items[0].Bounds, (TBounds{0, 0, 120, 150}));
    EXPECT_EQ(items[1].Bounds, (TBounds{0, 150, 120, 0}));
    EXPECT_EQ(items[2].Bounds, (TBounds{0, 150, 120, 0}));
}
