// Placement arithmetic of the window layer, free of system calls: controls are
// laid out in 96-dpi pixels, where the form font's line height is 13, and
// scaled by the real line height over 13.
#pragma once

#include <vector>

struct TBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool operator==(const TBounds& other) const {
        return Left == other.Left && Top == other.Top && Width == other.Width &&
               Height == other.Height;
    }
    bool operator!=(const TBounds& other) const { return !(*this == other); }
};

inline constexpr int DesignDpi = 96;
inline constexpr int DesignLineHeight = 13;

// a * b / c rounded half away from zero, as the system's MulDiv does.
int MulDivRounded(int a, int b, int c);

int ScaleDesignPixels(int pixels, int lineHeight);
// Edges are scaled rather than sizes, so controls that touch at 96 dpi still
// touch after scaling.
TBounds ScaleBounds(const TBounds& design, int lineHeight);
// Font height (negative: character height) for a screen of `screenDpi`.
int ScreenFontHeight(int designHeight, int screenDpi);
// Origin that centres a window on the screen, never off its top-left corner.
int CentredOrigin(int screenExtent, int windowExtent);

enum class TAlign { None, Top, Bottom, Client };

struct TAlignItem {
    TAlign Align = TAlign::None;
    TBounds Bounds;
};

// Lays out aligned items within a client area: top ones stack downwards from
// the top edge at full width, bottom ones upwards from the bottom edge, and a
// client one takes what is left. Unaligned items keep their bounds.
void AlignItems(int clientWidth, int clientHeight, std::vector<TAlignItem>& items);
