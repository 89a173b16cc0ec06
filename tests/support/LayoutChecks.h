// Comparing a window's placement with the layer's design bounds in tests.
#pragma once

#include "Layout.h"

#include <windows.h>

#include <ostream>

// How a failed comparison shows bounds (found by GoogleTest in TBounds' namespace).
inline void PrintTo(const TBounds& bounds, std::ostream* out) {
    *out << "(" << bounds.Left << ", " << bounds.Top << ", " << bounds.Width << " x "
         << bounds.Height << ")";
}

namespace kit_test {

inline TBounds BoundsOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace kit_test
