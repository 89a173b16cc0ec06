#pragma once

#include "Controls.h"

#include <cstdint>

// A numeric spin edit: an edit with up and down arrows on its right, without
// bounds. The arrows and the Up and Down keys step the value by 1; typed
// characters other than digits, "+", "-", the decimal separator and control
// keys are dropped with a beep, and so is Enter; pasted text is taken as it is.
class TSpinEdit : public TWinControl {
  public:
    TSpinEdit(TWinContainer& parent, const TPlacement& placement, int32_t value,
              TTabOrder tabOrder);
    ~TSpinEdit() override;

    // The text read as a number (see ReadSpinValue): 0 when it is not one.
    int32_t Value() const;
    void SetValue(int32_t value);
    HWND ArrowsHandle() const { return FArrows; }

  protected:
    void ApplyBounds(const TBounds& pixels) override;
    bool ParentNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    static LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR data);

    HWND FArrows = nullptr;
    wchar_t FDecimalSeparator = L'.';
};
