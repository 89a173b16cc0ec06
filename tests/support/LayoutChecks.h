// Comparing a window's placement with the layer's design bounds in tests.
#pragma once

#include "Layout.h"

#include <windows.h>

#include <ostream>

// How a failed comparison shows bounds and sizes (found by GoogleTest in their namespace).
inline void PrintTo(const TBounds& bounds, std::ostream* out) {
    *out << "(" << bounds.Left << ", " << bounds.Top << ", " << bounds.Width << " x "
         << bounds.Height << ")";
}
inline bool operator==(const SIZE& a, const SIZE& b) {
    return a.cx == b.cx && a.cy == b.cy;
}
inline void PrintTo(const SIZE& size, std::ostream* out) {
    *out << size.cx << " x " << size.cy;
}

namespace kit_test {

inline TBounds BoundsOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// The window's outer size, and the one the system gives a client area of
// `width` x `height` under the window's own styles: caption and border sizes
// differ between systems and between display scalings.
inline SIZE FrameSize(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    return {frame.right - frame.left, frame.bottom - frame.top};
}
inline SIZE FrameAround(HWND window, int width, int height) {
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

} // namespace kit_test
