// A program's main window. A form is laid out in 96-dpi pixels at the font
// "MS Sans Serif", height -11; at another screen setting the font follows the
// screen and the form and its controls scale by the font's line height / 13.
// No button is the default or the cancel button: Enter clicks the focused
// button and nothing else, Escape does nothing; Tab and the arrow keys move
// the focus as in a dialog.
#pragma once

#include "Controls.h"

enum class TBorderStyle {
    Dialog,   // fixed size
    Sizeable, // resizable border
};

struct TFormPosition {
    static TFormPosition ScreenCenter() { return {true, 0, 0}; }
    static TFormPosition Designed(int left, int top) { return {false, left, top}; }

    bool Centred;
    int Left;
    int Top;
};

// A form has only the system menu in its title bar and the button-face colour
// as background. Derive the program's form from it, declare the controls as
// members (in their table's order, parents before children) and bind the
// handlers with Bind(this, &TForm1::...).
class TForm : public TObject, public TWinContainer {
  public:
    ~TForm() override;

    HWND Handle() const { return FHandle; }
    HWND ContainerHandle() const override { return FHandle; }
    TForm& OwnerForm() override { return *this; }

    HFONT Font() const { return FFont; }
    // Line height of the form's font in screen pixels (13 at 96 dpi).
    int LineHeight() const { return FLineHeight; }
    int Scale(int designPixels) const { return ScaleDesignPixels(designPixels, FLineHeight); }

    // Runs the form as the program's main form: FormCreate, then the form is
    // shown with the focus on the first control in tab order, then the
    // message loop runs until the form is closed (FormDestroy is called while
    // its window is destroyed). Returns the program's exit code.
    int Run();

  protected:
    TForm(const std::string& caption, TBorderStyle border, int clientWidth, int clientHeight,
          TFormPosition position);

    virtual void FormCreate() {}
    virtual void FormDestroy() {}

  private:
    friend class TWinControl;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Show();
    int NextControlId() { return FNextControlId++; }

    HWND FHandle = nullptr;
    HFONT FFont = nullptr;
    int FLineHeight = DesignLineHeight;
    TFormPosition FPosition;
    HWND FFocusedControl = nullptr;
    int FNextControlId = 100; // above IDOK and IDCANCEL, which Enter and Escape send
};

// The window of the form that is running as the program's main form, if any.
HWND MainFormHandle();
