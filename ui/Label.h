#pragma once

#include "Controls.h"

// A fixed-size text.
class TLabel : public TWinControl {
  public:
    TLabel(TWinContainer& parent, const TPlacement& placement, const std::string& caption);
};
