#include "Layout.h"

#include <algorithm>
#include <cstdint>

int MulDivRounded(int a, int b, int c) {
    if (c == 0)
        return -1;
    int64_t product = static_cast<int64_t>(a) * b;
    int64_t half = (c > 0 ? c : -static_cast<int64_t>(c)) / 2;
    bool negative = (product < 0) != (c < 0);
    int64_t magnitude = (product < 0 ? -product : product) + half;
    int64_t quotient = magnitude / (c < 0 ? -static_cast<int64_t>(c) : c);
    return static_cast<int>(negative ? -quotient : quotient);
}

int ScaleDesignPixels(int pixels, int lineHeight) {
    return MulDivRounded(pixels, lineHeight, DesignLineHeight);
}

TBounds ScaleBounds(const TBounds& design, int lineHeight) {
    TBounds scaled;
    scaled.Left = ScaleDesignPixels(design.Left, lineHeight);
    scaled.Top = ScaleDesignPixels(design.Top, lineHeight);
    scaled.Width = ScaleDesignPixels(design.Right(), lineHeight) - scaled.Left;
    scaled.Height = ScaleDesignPixels(design.Bottom(), lineHeight) - scaled.Top;
    return scaled;
}

int ScreenFontHeight(int designHeight, int screenDpi) {
    return MulDivRounded(designHeight, screenDpi, DesignDpi);
}

int CentredOrigin(int screenExtent, int windowExtent) {
    return std::max(0, (screenExtent - windowExtent) / 2);
}

void AlignItems(int clientWidth, int clientHeight, std::vector<TAlignItem>& items) {
    int top = 0;
    int bottom = clientHeight;
    for (TAlignItem& item : items) {
        if (item.Align != TAlign::Top)
            continue;
        int height = std::clamp(item.Bounds.Height, 0, std::max(0, bottom - top));
        item.Bounds = {0, top, clientWidth, height};
        top += height;
    }
    for (TAlignItem& item : items) {
        if (item.Align != TAlign::Bottom)
            continue;
        int height = std::clamp(item.Bounds.Height, 0, std::max(0, bottom - top));
        bottom -= height;
        item.Bounds = {0, bottom, clientWidth, height};
    }
    for (TAlignItem& item : items) {
        if (item.Align == TAlign::Client)
            item.Bounds = {0, top, clientWidth, std::max(0, bottom - top)};
    }
}
