#include "Label.h"

TLabel::TLabel(TWinContainer& parent, const TPlacement& placement, const std::string& caption)
    : TWinControl(parent, placement, NoTabOrder) {
    CreateHandle({L"STATIC", SS_LEFT, 0, caption});
}
