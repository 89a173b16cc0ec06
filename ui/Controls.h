// The base of the window layer's controls: a control is a thin owner of one
// child window, placed in 96-dpi pixels within its parent (a form or a
// panel), in the parent's tab order, with the form's font.
#pragma once

#include "Layout.h"
#include "TObject.h"
#include "Text.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// An event handler: a form's member function bound to the form.
using TNotifyEvent = std::function<void()>;

template <class TOwner> TNotifyEvent Bind(TOwner* owner, void (TOwner::*method)()) {
    return [owner, method] { (owner->*method)(); };
}

// Position of a control in its parent's keyboard (Tab) order, from 0.
struct TTabOrder {
    int Value;
};
constexpr TTabOrder TabOrder(int value) {
    return {value};
}

// Where a control sits: fixed bounds (left, top, width, height) in 96-dpi
// pixels, or aligned to its parent: {TAlign::Top, height},
// {TAlign::Bottom, height} or {TAlign::Client}.
struct TPlacement {
    TPlacement(int left, int top, int width, int height) : Bounds{left, top, width, height} {}
    TPlacement(TAlign align, int height = 0) : Align(align), Bounds{0, 0, 0, height} {}

    TAlign Align = TAlign::None;
    TBounds Bounds;
};

class TForm;
class TWinContainer;

class TWinControl : public TObject {
  public:
    ~TWinControl() override;

    HWND Handle() const { return FHandle; }
    std::string Text(TCodePage page = TCodePage::Program) const;
    void SetText(const std::string& text, TCodePage page = TCodePage::Program);
    void SetFocus();

    // The control that owns `window` (its main window or a part of it), if any.
    static TWinControl* FromHandle(HWND window);

  protected:
    static constexpr int NoTabOrder = -1;

    struct TWindowSpec {
        const wchar_t* ClassName;
        DWORD Style;
        DWORD ExStyle;
        std::string Text;
        bool FormFont = true;
    };

    TWinControl(TWinContainer& parent, const TPlacement& placement, int tabOrder);
    // Creates the control's window in its parent, at its place in the parent's
    // tab order. Called by each control's constructor.
    void CreateHandle(const TWindowSpec& spec);
    // Registers, once per program, a window class of the layer's own that
    // paints itself through `windowProc` on the button-face background.
    static void RegisterPaintedClass(const wchar_t* className, WNDPROC windowProc);
    // Routes the parent's notifications about `window` to this control too.
    void AttachPart(HWND window);

    TWinContainer& Parent() const { return FParent; }
    TForm& OwnerForm() const;
    int Scale(int designPixels) const;

    // Moves the control's windows to `pixels` (screen pixels within the parent).
    virtual void ApplyBounds(const TBounds& pixels);
    // A notification that the parent window received from this control
    // (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR...); true when handled.
    virtual bool ParentNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Enter was pressed while this control had the focus.
    virtual void EnterPressed() {}

  private:
    friend class TWinContainer;
    friend class TForm;

    TWinContainer& FParent;
    TPlacement FPlacement;
    int FTabOrder;
    HWND FHandle = nullptr;
    std::vector<HWND> FParts;
};

// A window that holds controls: the form, or a panel on it.
class TWinContainer {
  public:
    virtual HWND ContainerHandle() const = 0;
    virtual TForm& OwnerForm() = 0;

  protected:
    ~TWinContainer() = default;

    // Lays out the aligned controls within the container's client area.
    void RealignControls();
    // Passes a notification from a child window to its control; true when handled.
    static bool RouteToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  private:
    friend class TWinControl;
    void Insert(TWinControl& control);
    void Remove(TWinControl& control);

    std::vector<TWinControl*> FControls;
};
