#pragma once

#include "Controls.h"

// A status bar with one text panel across the whole bar and a size grip at its
// right end, in the system's status font. Its text is the panel's text.
class TStatusBar : public TWinControl {
  public:
    TStatusBar(TWinContainer& parent, const TPlacement& placement);

  protected:
    void ApplyBounds(const TBounds& pixels) override;
};
