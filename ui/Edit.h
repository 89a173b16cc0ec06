#pragma once

#include "Controls.h"

enum class TEditStyle {
    Normal,
    ReadOnlyButtonFace, // read-only, on the button-face colour
};

// A single-line edit.
class TEdit : public TWinControl {
  public:
    TEdit(TWinContainer& parent, const TPlacement& placement, const std::string& text,
          TTabOrder tabOrder, TEditStyle style = TEditStyle::Normal);

  protected:
    bool ParentNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    TEditStyle FStyle;
};
