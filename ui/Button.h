#pragma once

#include "Controls.h"

// A push button; Enter clicks it while it has the focus.
class TButton : public TWinControl {
  public:
    TButton(TWinContainer& parent, const TPlacement& placement, const std::string& caption,
            TTabOrder tabOrder, TNotifyEvent onClick);

    void Click();

  protected:
    bool ParentNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void EnterPressed() override { Click(); }

  private:
    TNotifyEvent FOnClick;
};
