#pragma once

#include "Controls.h"

// A panel with a single border and a raised bevel one pixel wide inside it.
// Its controls are placed within it and take their tab order within it.
class TPanel : public TWinControl, public TWinContainer {
  public:
    TPanel(TWinContainer& parent, const TPlacement& placement, TTabOrder tabOrder);
    ~TPanel() override;

    HWND ContainerHandle() const override { return Handle(); }
    TForm& OwnerForm() override { return TWinControl::OwnerForm(); }

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};
