#pragma once

#include "Controls.h"

// A lowered horizontal line along the top edge of its rectangle.
class TBevel : public TWinControl {
  public:
    TBevel(TWinContainer& parent, const TPlacement& placement);

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
